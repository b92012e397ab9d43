#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// Text converted between UTF-8 and UTF-16 exactly as Qt 6's QString converts it, so that a
// setting read without Qt comes out byte for byte as QSettings gave it, broken bytes included.

// QString::fromUtf8: a byte order mark at the start is dropped, and every byte that does not
// start a complete, valid sequence becomes one U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);

// QString::toUtf8: an unpaired surrogate becomes '?'.
std::string Utf8FromUtf16(std::u16string_view text);

// QString::toLatin1: a character above U+00FF becomes '?'.
std::string Latin1FromUtf16(std::u16string_view text);

// A QStringDecoder for UTF-8 fed one piece after another, as QSettings decodes a value between
// its escapes. A byte order mark that starts the first piece is dropped; a sequence cut at a
// piece's end waits for the next piece and is dropped if none comes. As in Qt, a waiting
// sequence that the next piece does not continue becomes one U+FFFD that also swallows that
// piece's first byte.
class Utf8PieceDecoder {
 public:
  void Decode(std::string_view piece, std::u16string& out);

 private:
  std::string waiting_;
  bool started_ = false;
};

}  // namespace kuitti
