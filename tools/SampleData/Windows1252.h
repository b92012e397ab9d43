#pragma once

#include <string>
#include <string_view>

namespace kuitti::tools {

// Converts UTF-8 source text to the single-byte Windows-1252 code page used in
// the record files. Only ASCII and U+00A0..U+00FF are needed (and accepted):
// that range maps to the same byte values in Windows-1252.
std::string ToWindows1252(std::string_view utf8);

}  // namespace kuitti::tools
