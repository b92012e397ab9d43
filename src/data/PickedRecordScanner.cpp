#include "data/PickedRecordScanner.h"

#include <algorithm>
#include <numeric>

namespace kuitti {

std::uint64_t RecordBytes(int recordLength, std::int32_t recordCount) {
  return static_cast<std::uint64_t>(std::max<std::int32_t>(recordCount, 0)) *
         static_cast<std::uint64_t>(recordLength);
}

std::size_t WholeRecordBlock(std::size_t blockSize, int recordLength, std::int32_t recordCount) {
  const auto length = static_cast<std::size_t>(recordLength);
  const std::uint64_t total = RecordBytes(recordLength, recordCount);
  // A file of fewer than 64 such blocks is read in smaller ones, down to 128 KiB: the first
  // touch of the buffers' pages would cost it more than the larger reads save.
  constexpr std::uint64_t kSmallBlock = std::uint64_t{128} << 10;
  blockSize = static_cast<std::size_t>(
      std::min<std::uint64_t>(blockSize, std::max(total / 64, kSmallBlock)));
  // Whole pages as well, where they fit, so that every read starts on a page of the file and
  // the kernel copies whole pages to a page-aligned buffer.
  constexpr std::size_t kPage = 4096;
  const std::size_t pages = std::lcm(length, kPage);
  const std::size_t block = blockSize >= pages
                                ? blockSize / pages * pages
                                : std::max<std::size_t>(blockSize / length, 1) * length;
  return std::clamp<std::uint64_t>(total, length, block);
}

}  // namespace kuitti
