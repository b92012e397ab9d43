#include "platform/IniFileValue.h"

#include <map>

#include "platform/IniValueText.h"
#include "platform/Utf16Text.h"

namespace kuitti {

namespace {

bool IsLineSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsSpecial(char c) {
  return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

// The white space that QByteArray::trimmed and Qt's number parsing skip.
template <typename Char>
bool IsAsciiSpace(Char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

template <typename Char>
std::basic_string_view<Char> Trimmed(std::basic_string_view<Char> text) {
  while (!text.empty() && IsAsciiSpace(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsAsciiSpace(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

bool EqualsAsciiIgnoringCase(std::string_view text, std::string_view lowerCase) {
  if (text.size() != lowerCase.size()) {
    return false;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c =
        text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != lowerCase[i]) {
      return false;
    }
  }
  return true;
}

// QString::toUShort(&ok, 16) of the digits after "%" or "%U": ASCII white space around them, a
// "+" and a "0x" are allowed.
std::optional<char16_t> HexCode(std::u16string_view digits) {
  digits = Trimmed(digits);
  if (digits.starts_with(u'+')) {
    digits.remove_prefix(1);
  }
  if (digits.size() > 2 && digits[0] == u'0' && (digits[1] == u'x' || digits[1] == u'X')) {
    digits.remove_prefix(2);
  }
  if (digits.empty()) {
    return std::nullopt;
  }
  char16_t code = 0;
  for (const char16_t c : digits) {
    const bool decimal = c >= u'0' && c <= u'9';
    const char16_t lower = c | 0x20;
    if (!decimal && !(lower >= u'a' && lower <= u'f')) {
      return std::nullopt;
    }
    code = static_cast<char16_t>(code * 16 + (decimal ? c - u'0' : lower - u'a' + 10));
  }
  return code;
}

// Qt's iniUnescapedKey: UTF-8 decoded, then "\" for "/", and "%XX" or "%UXXXX" for the code.
std::u16string UnescapedKey(std::string_view key) {
  const std::u16string decoded = Utf16FromUtf8(key);
  std::u16string result;
  std::size_t i = 0;
  while (i < decoded.size()) {
    const char16_t c = decoded[i];
    if (c == u'\\') {
      result += u'/';
      ++i;
      continue;
    }
    if (c == u'%' && i + 1 < decoded.size()) {
      const std::size_t first = decoded[i + 1] == u'U' ? i + 2 : i + 1;
      const std::size_t count = decoded[i + 1] == u'U' ? 4 : 2;
      if (first + count <= decoded.size()) {
        if (const std::optional<char16_t> code = HexCode(decoded.substr(first, count))) {
          result += *code;
          i = first + count;
          continue;
        }
      }
    }
    result += c;
    ++i;
  }
  return result;
}

struct IniLine {
  std::string_view text;
  std::optional<std::size_t> equals;  // the first "=" outside quotes, within the text
};

// Qt's readIniLine: the next line that holds anything, from `position` on.
std::optional<IniLine> ReadIniLine(std::string_view data, std::size_t& position) {
  const std::size_t size = data.size();
  bool inQuotes = false;
  std::optional<std::size_t> equals;
  std::size_t start = position;
  while (start < size && IsLineSpace(data[start])) {
    ++start;
  }
  std::size_t i = start;
  while (i < size) {
    while (i < size && !IsSpecial(data[i])) {
      ++i;
    }
    if (i == size) {
      break;
    }
    const char c = data[i++];
    if (c == '=') {
      if (!inQuotes && !equals) {
        equals = i - 1 - start;
      }
    } else if (c == '\n' || c == '\r') {
      if (!inQuotes) {
        --i;
        break;
      }
    } else if (c == '\\') {
      // The next character is taken as it is, and a CR LF or LF CR with it.
      if (i < size) {
        const char next = data[i++];
        if (i < size && ((next == '\n' && data[i] == '\r') || (next == '\r' && data[i] == '\n'))) {
          ++i;
        }
      }
    } else if (c == '"') {
      inQuotes = !inQuotes;
    } else if (i == start + 1) {
      // A ";" that starts a line comments it out.
      while (i < size && data[i] != '\n' && data[i] != '\r') {
        ++i;
      }
      while (i < size && IsLineSpace(data[i])) {
        ++i;
      }
      start = i;
    } else if (!inQuotes) {
      // Elsewhere it ends the line, and what follows is a comment line.
      --i;
      break;
    }
  }
  position = i;
  if (i == start) {
    return std::nullopt;
  }
  return IniLine{data.substr(start, i - start), equals};
}

// Qt's readIniFile: each section's lines by its unescaped name and "/", "" for [General]; the
// lines of a section that comes again are joined with a line feed.
std::map<std::u16string, std::string> Sections(std::string_view data) {
  if (data.starts_with("\xEF\xBB\xBF")) {
    data.remove_prefix(3);
  }
  std::map<std::u16string, std::string> sections;
  std::u16string current;
  std::size_t currentStart = 0;
  const auto keepLines = [&](std::size_t end) {
    std::string& lines = sections[current];
    if (!lines.empty()) {
      lines += '\n';
    }
    lines += data.substr(currentStart, end - currentStart);
  };
  std::size_t position = 0;
  while (const std::optional<IniLine> line = ReadIniLine(data, position)) {
    if (!line->text.starts_with('[')) {
      continue;
    }
    keepLines(static_cast<std::size_t>(line->text.data() - data.data()));
    // The name ends at the first "]", or without one at the line's end.
    const std::string_view name = Trimmed(line->text.substr(0, line->text.find(']')).substr(1));
    if (EqualsAsciiIgnoringCase(name, "general")) {
      current.clear();
    } else {
      current = EqualsAsciiIgnoringCase(name, "%general")
                    ? std::u16string(name.begin() + 1, name.end())
                    : UnescapedKey(name);
      current += u'/';
    }
    currentStart = position;
  }
  keepLines(data.size());
  return sections;
}

}  // namespace

std::optional<std::string> IniFileValue(std::string_view file, std::u16string_view sectionAndKey) {
  const std::map<std::u16string, std::string> sections = Sections(file);
  // Qt parses the one section whose name sorts last at or before the key, if it starts the key.
  auto section = sections.upper_bound(std::u16string(sectionAndKey));
  if (section == sections.begin()) {
    return std::nullopt;
  }
  --section;
  if (section->first.empty() || !sectionAndKey.starts_with(section->first)) {
    return std::nullopt;
  }
  const std::u16string_view key = sectionAndKey.substr(section->first.size());
  std::optional<std::string_view> value;
  std::size_t position = 0;
  while (const std::optional<IniLine> line = ReadIniLine(section->second, position)) {
    if (line->equals && UnescapedKey(Trimmed(line->text.substr(0, *line->equals))) == key) {
      value = line->text.substr(*line->equals + 1);
    }
  }
  if (!value) {
    return std::nullopt;
  }
  return IniValueText(*value);
}

}  // namespace kuitti
