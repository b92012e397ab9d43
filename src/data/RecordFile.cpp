#include "data/RecordFile.h"

#include <algorithm>

#include "data/RuntimeError.h"

namespace kuitti {

std::int32_t RecordCount(RandomAccessFile& file, int recordLength) {
  const std::int64_t count = file.Length() / recordLength;
  if (count > INT32_MAX) {
    RaiseOverflow();
  }
  return static_cast<std::int32_t>(count);
}

void ReadRecordBytes(RandomAccessFile& file, std::int32_t n, std::span<unsigned char> record) {
  if (n < 1) {
    RaiseBadRecordNumber();
  }
  const std::int64_t offset = (static_cast<std::int64_t>(n) - 1) * std::ssize(record);
  const std::size_t got = ReadFully(file, offset, record);
  std::fill(record.begin() + static_cast<std::ptrdiff_t>(got), record.end(), 0);
}

}  // namespace kuitti
