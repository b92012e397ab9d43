#include "PickedRecordScanner.h"

#include <algorithm>

namespace kuitti {

std::uint64_t RecordBytes(int recordLength, std::int32_t recordCount) {
  return static_cast<std::uint64_t>(std::max<std::int32_t>(recordCount, 0)) *
         static_cast<std::uint64_t>(recordLength);
}

std::size_t WholeRecordBlock(std::size_t blockSize, int recordLength, std::int32_t recordCount) {
  const auto length = static_cast<std::size_t>(recordLength);
  const std::size_t block = std::max<std::size_t>(blockSize / length, 1) * length;
  return std::clamp<std::uint64_t>(RecordBytes(recordLength, recordCount), length, block);
}

}  // namespace kuitti
