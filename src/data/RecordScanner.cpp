#include "RecordScanner.h"

#include <algorithm>
#include <cstdint>
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
      buffer_(recordLength_ + blockSize_ + kReadAlignment) {
  // Reads land page-aligned: the kernel copies into an aligned buffer markedly faster.
  const auto room = reinterpret_cast<std::uintptr_t>(buffer_.data()) + recordLength_;
  block_ =
      buffer_.data() + (kReadAlignment - room % kReadAlignment) % kReadAlignment + recordLength_;
  begin_ = end_ = block_;
  file_.AdviseSequential();
}

void RecordScanner::Refill() {
  // A record split across two reads keeps its first part, moved to just before the block.
  const auto carried = static_cast<std::size_t>(end_ - begin_);
  std::memmove(block_ - carried, begin_, carried);
  begin_ = block_ - carried;

  // Never read past the last counted record: the file may have grown since it was counted.
  const auto bytesWanted = static_cast<std::uint64_t>(recordsLeft_) * recordLength_ - carried;
  const std::size_t toRead =
      static_cast<std::size_t>(std::min<std::uint64_t>(blockSize_, bytesWanted));
  const std::size_t got = ReadFully(file_, fileOffset_, std::span(block_, toRead));
  fileOffset_ += static_cast<std::int64_t>(got);
  end_ = block_ + got;
  if (end_ < begin_ + recordLength_) {
    std::fill(end_, begin_ + recordLength_, 0);
    end_ = begin_ + recordLength_;
  }
}

}  // namespace kuitti
