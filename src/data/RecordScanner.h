#pragma once

#include <cstdint>
#include <vector>

#include "FileAccess.h"

namespace kuitti {

// Visits records 1 to a fixed count in order, reading the file in large positioned reads
// rather than one read per record. Bytes beyond the end of the file read as zero, so a file
// that shrinks meanwhile still yields exactly the count of records.
class RecordScanner {
 public:
  // 128 KiB per read: measured faster than 1 MiB on a warm 1 GB file, since the block stays
  // in the L2 cache between the kernel's copy and the scan; still 1,260 records per read.
  static constexpr std::size_t kDefaultBlockSize = std::size_t{128} << 10;

  RecordScanner(RandomAccessFile& file, int recordLength, std::int32_t recordCount,
                std::size_t blockSize = kDefaultBlockSize);

  // The bytes of the next record, valid until the next call; nullptr after the last record.
  const unsigned char* Next();

 private:
  void Refill();

  RandomAccessFile& file_;
  std::size_t recordLength_;
  std::int64_t recordsLeft_;
  std::size_t blockSize_;
  std::vector<unsigned char> buffer_;
  std::size_t begin_ = 0;  // first unconsumed byte in buffer_
  std::size_t end_ = 0;    // one past the last valid byte in buffer_
  std::int64_t fileOffset_ = 0;
};

}  // namespace kuitti
