#include "app/EntryText.h"

#include "data/Utf8.h"

namespace kuitti {

namespace {

bool IsLineBreak(char32_t c) {
  return c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || c == 0x85 || c == 0x2028 ||
         c == 0x2029;
}

// The C0 and C1 controls and DEL: a tab among them.
bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

std::string SingleLineText(std::string_view text) {
  std::string line;
  for (const char32_t c : DecodeUtf8(text)) {
    if (IsLineBreak(c)) {
      break;
    }
    if (!IsControl(c)) {
      AppendUtf8(line, c);
    }
  }
  return line;
}

bool StaysInOneLine(char32_t typed) {
  return !IsLineBreak(typed) && !IsControl(typed);
}

}  // namespace kuitti
