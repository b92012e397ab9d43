#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

#include "data/Records.h"

namespace kuitti::tools {

// Field writers for fixed-length records. Byte order is spelled out so the
// files are little-endian whatever the host is; a number must fill its field.
void PutText(char* record, Field field, std::string_view bytes);
void PutSpaces(char* record, Field field);
// Zero-padded decimal digits, e.g. voucher "010233" or row number "007".
void PutDigits(char* record, Field field, std::uint64_t value);
void PutInt16(char* record, Field field, std::int16_t value);
void PutInt32(char* record, Field field, std::int32_t value);
void PutInt64(char* record, Field field, std::int64_t value);
void PutDouble(char* record, Field field, double value);

struct FileSummary {
  std::filesystem::path path;
  std::uint64_t records = 0;
  std::uint64_t bytes = 0;
};

// Appends records to a file through one large buffer written in ~4 MiB chunks,
// so even a gigabyte of rows costs only a few hundred write calls.
class RecordWriter {
 public:
  RecordWriter(const std::filesystem::path& path, std::size_t recordSize);
  ~RecordWriter();
  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;

  // Returns the next record, zero-filled, valid until the next Add().
  char* Add();
  // Flushes and closes; throws on any I/O error.
  FileSummary Close();

  std::uint64_t Records() const { return records_; }

 private:
  void Flush();

  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  std::size_t recordSize_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  std::uint64_t records_ = 0;
};

}  // namespace kuitti::tools
