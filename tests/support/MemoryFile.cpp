#include "MemoryFile.h"

#include <algorithm>

namespace kuitti::test {

std::size_t MemoryFile::ReadAt(std::int64_t offset, std::span<unsigned char> out) {
  if (offset < 0 || static_cast<std::uint64_t>(offset) >= bytes_.size()) {
    return 0;
  }
  const auto start = static_cast<std::size_t>(offset);
  const std::size_t count = std::min(out.size(), bytes_.size() - start);
  std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(start), count, out.begin());
  return count;
}

}  // namespace kuitti::test
