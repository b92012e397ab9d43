#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// Whether the byte continues a character rather than starting one.
inline bool IsUtf8Continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

void AppendUtf8(std::string& out, char32_t character);

// Decodes UTF-8; every byte that does not start a valid sequence becomes U+FFFD, so text of
// any origin can be shown and compared.
std::u32string DecodeUtf8(std::string_view text);

std::string EncodeUtf8(std::u32string_view text);

// The number of characters (code points) of valid UTF-8 text.
std::size_t Utf8Length(std::string_view text);

}  // namespace kuitti
