#include "data/FileAccess.h"

namespace kuitti {

std::size_t ReadFully(RandomAccessFile& file, std::int64_t offset, std::span<unsigned char> out) {
  std::size_t total = 0;
  while (total < out.size()) {
    const std::size_t got =
        file.ReadAt(offset + static_cast<std::int64_t>(total), out.subspan(total));
    if (got == 0) {
      break;
    }
    total += got;
  }
  return total;
}

}  // namespace kuitti
