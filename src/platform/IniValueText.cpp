#include "platform/IniValueText.h"

#include <optional>
#include <vector>

#include "platform/StreamedVariantText.h"
#include "platform/Utf16Text.h"

namespace kuitti {

namespace {

// A value unescaped: one text, or the items of a comma-separated list.
struct UnescapedValue {
  std::u16string text;
  std::optional<std::vector<std::u16string>> list;
};

std::optional<char16_t> SimpleEscape(char letter) {
  switch (letter) {
    case 'a':
      return u'\a';
    case 'b':
      return u'\b';
    case 'f':
      return u'\f';
    case 'n':
      return u'\n';
    case 'r':
      return u'\r';
    case 't':
      return u'\t';
    case 'v':
      return u'\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
      return static_cast<char16_t>(letter);
    default:
      return std::nullopt;
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

int OctalDigit(char c) {
  return c >= '0' && c <= '7' ? c - '0' : -1;
}

// Qt's iniUnescapedStringList. Spaces and tabs are skipped before an item and after a closing
// quote, and trimmed from an unquoted item's end back to its last escape; the text between
// escapes and quotes is UTF-8 decoded as one stream, while escapes add UTF-16 code units.
class ValueUnescaper {
 public:
  explicit ValueUnescaper(std::string_view value) : value_(value) {}

  UnescapedValue Run() {
    SkipSpaces();
    while (i_ < value_.size()) {
      const char c = value_[i_];
      if (c == '\\') {
        ++i_;
        // A backslash or "\x" that ends the value ends it untrimmed.
        if (i_ == value_.size() || !Escape()) {
          return Finish();
        }
      } else if (c == '"') {
        ++i_;
        quoted_ = true;
        inQuotes_ = !inQuotes_;
        if (!inQuotes_) {
          SkipSpaces();
        }
      } else if (c == ',' && !inQuotes_) {
        EndItem();
        ++i_;
        SkipSpaces();
      } else {
        std::size_t end = i_ + 1;
        while (end < value_.size() && value_[end] != '\\' && value_[end] != '"' &&
               value_[end] != ',') {
          ++end;
        }
        decoder_.Decode(value_.substr(i_, end - i_), result_.text);
        i_ = end;
      }
    }
    TrimUnquoted();
    return Finish();
  }

 private:
  void SkipSpaces() {
    while (i_ < value_.size() && (value_[i_] == ' ' || value_[i_] == '\t')) {
      ++i_;
    }
    trimLimit_ = result_.text.size();
  }

  // The escape after a backslash; false when the value ends at "\x".
  bool Escape() {
    const char letter = value_[i_++];
    if (const std::optional<char16_t> simple = SimpleEscape(letter)) {
      result_.text += *simple;
    } else if (letter == 'x') {
      if (i_ == value_.size()) {
        return false;
      }
      if (HexDigit(value_[i_]) >= 0) {
        AddNumber(HexDigit, 4);
      }
    } else if (OctalDigit(letter) >= 0) {
      --i_;
      AddNumber(OctalDigit, 3);
    } else if (letter == '\n' || letter == '\r') {
      // A line continuation: "\r\n" and "\n\r" count as one line end.
      if (i_ < value_.size() && (value_[i_] == '\n' || value_[i_] == '\r') &&
          value_[i_] != letter) {
        ++i_;
      }
    }
    // Any other escaped character is dropped.
    trimLimit_ = result_.text.size();
    return true;
  }

  // Digits for as long as they come, kept in 16 bits as a QChar keeps them.
  void AddNumber(int (*digit)(char), int bitsPerDigit) {
    char16_t code = 0;
    while (i_ < value_.size() && digit(value_[i_]) >= 0) {
      code = static_cast<char16_t>((code << bitsPerDigit) + digit(value_[i_++]));
    }
    result_.text += code;
  }

  void TrimUnquoted() {
    if (quoted_) {
      return;
    }
    std::u16string& text = result_.text;
    while (text.size() > trimLimit_ && (text.back() == u' ' || text.back() == u'\t')) {
      text.pop_back();
    }
  }

  void EndItem() {
    TrimUnquoted();
    if (!result_.list) {
      result_.list.emplace();
    }
    result_.list->push_back(std::move(result_.text));
    result_.text.clear();
    quoted_ = false;
  }

  UnescapedValue Finish() {
    if (result_.list) {
      result_.list->push_back(std::move(result_.text));
      result_.text.clear();
    }
    return std::move(result_);
  }

  std::string_view value_;
  std::size_t i_ = 0;
  bool inQuotes_ = false;
  bool quoted_ = false;  // the current item had a quote
  std::size_t trimLimit_ = 0;
  Utf8PieceDecoder decoder_;
  UnescapedValue result_;
};

// The number of arguments QSettings' splitArgs finds in "@Rect(1 2 3 4)" and its kind.
std::size_t ArgumentCount(std::u16string_view text, std::size_t open) {
  std::size_t count = 0;
  for (const char16_t c : text.substr(open + 1)) {
    count += c == u' ' || c == u')' ? 1 : 0;
  }
  return count;
}

// Qt's stringToVariant, then toString(): what a value that starts with "@" stands for.
std::string TypedText(const std::u16string& text) {
  const std::u16string_view view = text;
  if (view.starts_with(u'@') && view.ends_with(u')')) {
    if (view.starts_with(u"@ByteArray(")) {
      return Utf8FromUtf16(Utf16FromUtf8(Latin1FromUtf16(view.substr(11, view.size() - 12))));
    }
    if (view.starts_with(u"@String(")) {
      return Utf8FromUtf16(view.substr(8, view.size() - 9));
    }
    if (view.starts_with(u"@Variant(")) {
      // Qt streams the closing parenthesis too.
      return StreamedVariantText(Latin1FromUtf16(view.substr(9)));
    }
    // A date and time, a rectangle, a size or a point: not a text.
    if (view.starts_with(u"@DateTime(") || view == u"@Invalid()" ||
        (view.starts_with(u"@Rect(") && ArgumentCount(view, 5) == 4) ||
        (view.starts_with(u"@Size(") && ArgumentCount(view, 5) == 2) ||
        (view.starts_with(u"@Point(") && ArgumentCount(view, 6) == 2)) {
      return {};
    }
  }
  return Utf8FromUtf16(view.starts_with(u"@@") ? view.substr(1) : view);
}

// A list holding an item that starts with a single "@" is a list of typed values, which has no
// text; "@@" stands for "@".
std::string ListText(const std::vector<std::u16string>& items) {
  std::u16string joined;
  for (std::size_t i = 0; i < items.size(); ++i) {
    std::u16string_view item = items[i];
    if (item.starts_with(u'@')) {
      if (!item.starts_with(u"@@")) {
        return {};
      }
      item.remove_prefix(1);
    }
    joined += (i == 0 ? u"" : u",");
    joined += item;
  }
  return Utf8FromUtf16(joined);
}

}  // namespace

std::string IniValueText(std::string_view value) {
  const UnescapedValue unescaped = ValueUnescaper(value).Run();
  return unescaped.list ? ListText(*unescaped.list) : TypedText(unescaped.text);
}

}  // namespace kuitti
