#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace kuitti {

// Text fields of the point-of-sale files are Windows-1252. The five bytes that code page
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the character of the same value.
char32_t DecodeWindows1252(unsigned char byte);

// The byte that decodes to the character, or nothing when the code page has no such byte.
std::optional<unsigned char> EncodeWindows1252(char32_t character);

}  // namespace kuitti
