#include "RecordScanner.h"

#include <algorithm>
#include <cstring>

namespace kuitti {

RecordScanner::RecordScanner(RandomAccessFile& file, int recordLength, std::int32_t recordCount,
                             std::size_t blockSize)
    : recordLength_(static_cast<std::size_t>(recordLength)),
      recordsLeft_(std::max<std::int32_t>(recordCount, 0)),
      // No larger than the counted records need, so small files cost small buffers; never
      // smaller than a record, so one more block always completes a split record.
      reader_(file, static_cast<std::uint64_t>(recordsLeft_) * recordLength_,
              std::clamp<std::uint64_t>(static_cast<std::uint64_t>(recordsLeft_) * recordLength_,
                                        recordLength_, std::max(blockSize, recordLength_)),
              recordLength_),
      carried_(recordLength_) {}

void RecordScanner::Refill() {
  // The first part of a split record goes just before the next block, so it comes out whole.
  const auto carried = static_cast<std::size_t>(end_ - begin_);
  std::copy(begin_, end_, carried_.begin());
  const std::span<unsigned char> block = reader_.NextBlock();
  std::copy_n(carried_.begin(), carried, block.data() - carried);
  begin_ = block.data() - carried;
  end_ = block.data() + block.size();
}

}  // namespace kuitti
