#include "app/PrintedVoucher.h"

#include "data/TextTrim.h"
#include "data/Utf8.h"

namespace kuitti {

std::optional<std::string> VoucherOfPrintedNumber(std::string_view entry) {
  std::u32string text(TrimSpaces(DecodeUtf8(entry)));
  if (text.ends_with(U"-001")) {
    text.resize(text.size() - 4);
  }
  if (text.size() != 7 || (text[0] != U'M' && text[0] != U'm')) {
    return std::nullopt;
  }
  for (const char32_t c : text.substr(1)) {
    if (c <= U' ' || c == 0x7F) {
      return std::nullopt;
    }
  }
  return EncodeUtf8(text.substr(1));
}

}  // namespace kuitti
