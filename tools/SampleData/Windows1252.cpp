#include "Windows1252.h"

#include <stdexcept>

namespace kuitti::tools {

std::string ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    // Two-byte sequences C2 xx / C3 xx cover U+0080..U+00FF.
    if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[i + 1]);
      const unsigned cp = ((c & 0x1Fu) << 6) | (next & 0x3Fu);
      if ((next & 0xC0u) == 0x80u && cp >= 0xA0) {
        out.push_back(static_cast<char>(cp));
        ++i;
        continue;
      }
    }
    throw std::invalid_argument("not representable in Windows-1252: " + std::string(utf8));
  }
  return out;
}

}  // namespace kuitti::tools
