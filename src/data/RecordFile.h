#pragma once

#include <cstdint>
#include <span>

#include "data/FileAccess.h"
#include "data/Records.h"

namespace kuitti {

// The whole records of the file: its length divided by the record length, rounded down, as a
// signed 32-bit number (error 6 beyond that). A record the point-of-sale system has written
// only in part is not counted, so it is neither rendered, listed nor probed.
std::int32_t RecordCount(RandomAccessFile& file, int recordLength);

// Reads the bytes of record n (from 1) with one positioned read; bytes beyond the end of the
// file read as zero. A number below 1 fails with error 63.
void ReadRecordBytes(RandomAccessFile& file, std::int32_t n, std::span<unsigned char> record);

template <typename Record>
void ReadRecord(RandomAccessFile& file, std::int32_t n, Record& record) {
  std::array<unsigned char, Record::kLength> bytes;
  ReadRecordBytes(file, n, bytes);
  DecodeRecord(bytes, record);
}

}  // namespace kuitti
