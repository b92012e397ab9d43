#include "RecordScanner.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace kuitti {

RecordScanner::RecordScanner(RandomAccessFile& file, int recordLength, std::int32_t recordCount,
                             std::size_t blockSize)
    : file_(file),
      recordLength_(static_cast<std::size_t>(recordLength)),
      recordsLeft_(std::max<std::int32_t>(recordCount, 0)),
      // No larger than the counted records need, so small files cost small buffers.
      blockSize_(std::clamp<std::uint64_t>(static_cast<std::uint64_t>(recordsLeft_) * recordLength_,
                                           recordLength_, std::max(blockSize, recordLength_))),
      buffer_(blockSize_ + recordLength_) {
  file_.AdviseSequential();
}

const unsigned char* RecordScanner::Next() {
  if (recordsLeft_ == 0) {
    return nullptr;
  }
  if (end_ - begin_ < recordLength_) {
    Refill();
  }
  const unsigned char* record = buffer_.data() + begin_;
  begin_ += recordLength_;
  --recordsLeft_;
  return record;
}

void RecordScanner::Refill() {
  // A record split across two reads keeps its first part, moved to the front.
  const std::size_t carried = end_ - begin_;
  std::memmove(buffer_.data(), buffer_.data() + begin_, carried);
  begin_ = 0;
  end_ = carried;

  // Never read past the last counted record: the file may have grown since it was counted.
  const auto bytesWanted = static_cast<std::uint64_t>(recordsLeft_) * recordLength_ - carried;
  const std::size_t toRead =
      static_cast<std::size_t>(std::min<std::uint64_t>(blockSize_, bytesWanted));
  const std::size_t got = ReadFully(file_, fileOffset_, std::span(buffer_.data() + end_, toRead));
  fileOffset_ += static_cast<std::int64_t>(got);
  end_ += got;
  if (end_ < recordLength_) {
    std::fill(buffer_.data() + end_, buffer_.data() + recordLength_, 0);
    end_ = recordLength_;
  }
}

}  // namespace kuitti
