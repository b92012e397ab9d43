#include "PickedRecordScanner.h"

#include <algorithm>
#include <utility>

namespace kuitti {
namespace {

std::uint64_t TotalBytes(int recordLength, std::int32_t recordCount) {
  return static_cast<std::uint64_t>(std::max<std::int32_t>(recordCount, 0)) *
         static_cast<std::uint64_t>(recordLength);
}

// Whole records only, so that no record is split between blocks, and no more than the file's
// counted records need.
std::size_t WholeRecords(std::size_t blockSize, int recordLength, std::int32_t recordCount) {
  const auto length = static_cast<std::size_t>(recordLength);
  const std::size_t block = std::max<std::size_t>(blockSize / length, 1) * length;
  return std::clamp<std::uint64_t>(TotalBytes(recordLength, recordCount), length, block);
}

}  // namespace

PickedRecordScanner::PickedRecordScanner(RandomAccessFile& file, int recordLength,
                                         std::int32_t recordCount, std::size_t entryLength,
                                         Pick pick, std::size_t blockSize)
    : entryLength_(entryLength),
      reader_(file, TotalBytes(recordLength, recordCount),
              WholeRecords(blockSize, recordLength, recordCount), 0, std::move(pick)) {}

void PickedRecordScanner::NextBlock() {
  reader_.NextBlock();
  const std::vector<unsigned char>& entries = reader_.Found();
  next_ = entries.data();
  end_ = entries.data() + entries.size() / entryLength_ * entryLength_;
}

}  // namespace kuitti
