#pragma once

#include <cstdint>
#include <vector>

#include "BlockReader.h"
#include "FileAccess.h"

namespace kuitti {

// Visits records 1 to a fixed count in order, reading the file in large positioned reads
// rather than one read per record, the next block read ahead while this one is scanned.
// Bytes beyond the end of the file read as zero, so a file that shrinks meanwhile still
// yields exactly the count of records; nothing past the last counted record is read.
class RecordScanner {
 public:
  // 128 KiB per read: 1,260 records; with the blocks read ahead, larger reads gained nothing
  // on a warm 1 GB file.
  static constexpr std::size_t kDefaultBlockSize = std::size_t{128} << 10;

  RecordScanner(RandomAccessFile& file, int recordLength, std::int32_t recordCount,
                std::size_t blockSize = kDefaultBlockSize);

  // The bytes of the next record, valid until the next call; nullptr after the last record.
  // Inline: it runs once for every record of a gigabyte file.
  const unsigned char* Next() {
    if (recordsLeft_ == 0) {
      return nullptr;
    }
    if (static_cast<std::size_t>(end_ - begin_) < recordLength_) {
      Refill();
    }
    const unsigned char* record = begin_;
    begin_ += recordLength_;
    --recordsLeft_;
    return record;
  }

 private:
  void Refill();

  std::size_t recordLength_;
  std::int64_t recordsLeft_;
  BlockReader reader_;
  // The first part of a record split across two blocks, while the next block is fetched.
  std::vector<unsigned char> carried_;
  const unsigned char* begin_ = nullptr;  // the next record
  const unsigned char* end_ = nullptr;    // one past the last byte of the block
};

}  // namespace kuitti
