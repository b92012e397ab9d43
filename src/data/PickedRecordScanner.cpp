#include "PickedRecordScanner.h"

#include <algorithm>
#include <utility>

#include "RecordScanner.h"

namespace kuitti {
namespace {

std::uint64_t TotalBytes(int recordLength, std::int32_t recordCount) {
  return static_cast<std::uint64_t>(std::max<std::int32_t>(recordCount, 0)) *
         static_cast<std::uint64_t>(recordLength);
}

// Whole records only, so that no record is split between blocks: as many as come nearest
// RecordScanner's block size, no more than the file's counted records need.
std::size_t BlockSize(int recordLength, std::int32_t recordCount) {
  const auto length = static_cast<std::size_t>(recordLength);
  const std::size_t block =
      std::max<std::size_t>(RecordScanner::kDefaultBlockSize / length, 1) * length;
  return std::clamp<std::uint64_t>(TotalBytes(recordLength, recordCount), length, block);
}

}  // namespace

PickedRecordScanner::PickedRecordScanner(RandomAccessFile& file, int recordLength,
                                         std::int32_t recordCount, std::size_t entryLength,
                                         Pick pick)
    : entryLength_(entryLength),
      blocksLeft_(
          (TotalBytes(recordLength, recordCount) + BlockSize(recordLength, recordCount) - 1) /
          BlockSize(recordLength, recordCount)),
      reader_(file, TotalBytes(recordLength, recordCount), BlockSize(recordLength, recordCount), 0,
              std::move(pick)) {}

void PickedRecordScanner::NextBlock() {
  reader_.NextBlock();
  const std::vector<unsigned char>& entries = reader_.Found();
  next_ = entries.data();
  end_ = entries.data() + entries.size() / entryLength_ * entryLength_;
  --blocksLeft_;
}

}  // namespace kuitti
