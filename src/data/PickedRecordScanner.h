#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "BlockReader.h"
#include "FileAccess.h"
#include "RecordScanner.h"

namespace kuitti {

// Visits, in order, what a pick keeps of those of records 1 to a fixed count that it picks
// out. The file is read in blocks of whole records on two threads, as by RecordScanner, and
// each block is picked over by the thread that read it, while its bytes are still in that
// core's cache; the visit then reads only the few bytes kept, as one stream, rather than
// every record again from the other core's cache.
class PickedRecordScanner {
 public:
  // Appends an entry of the scanner's entry length for each record to visit, in order. It
  // runs on two threads at once.
  using Pick = std::function<void(std::span<const unsigned char> records,
                                  std::vector<unsigned char>& entries)>;

  // Blocks hold as many whole records as fit in blockSize, at least one.
  PickedRecordScanner(RandomAccessFile& file, int recordLength, std::int32_t recordCount,
                      std::size_t entryLength, Pick pick,
                      std::size_t blockSize = RecordScanner::kDefaultBlockSize);

  // The next entry, valid until the next call; nullptr after the last.
  const unsigned char* Next() {
    while (next_ == end_) {
      if (reader_.AtEnd()) {
        return nullptr;
      }
      NextBlock();
    }
    const unsigned char* entry = next_;
    next_ += entryLength_;
    return entry;
  }

 private:
  void NextBlock();

  std::size_t entryLength_;
  BlockReader reader_;
  const unsigned char* next_ = nullptr;  // the next entry of the block
  const unsigned char* end_ = nullptr;
};

}  // namespace kuitti
