#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

namespace sample_data {

// Field writers for fixed-length records. Byte order is spelled out so the
// files are little-endian whatever the host is.
void put_text(char* record, std::size_t offset, std::size_t width, std::string_view bytes);
void put_spaces(char* record, std::size_t offset, std::size_t width);
// Zero-padded decimal digits, e.g. voucher "010233" or row number "007".
void put_digits(char* record, std::size_t offset, std::size_t width, std::uint64_t value);
void put_i16(char* record, std::size_t offset, std::int16_t value);
void put_i32(char* record, std::size_t offset, std::int32_t value);
void put_i64(char* record, std::size_t offset, std::int64_t value);
void put_f64(char* record, std::size_t offset, double value);

struct FileSummary {
  std::filesystem::path path;
  std::uint64_t records = 0;
  std::uint64_t bytes = 0;
};

// Appends records to a file through one large buffer written in ~4 MiB chunks,
// so even a gigabyte of rows costs only a few hundred write calls.
class RecordFile {
 public:
  RecordFile(const std::filesystem::path& path, std::size_t record_size);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // Returns the next record, zero-filled, valid until the next add().
  char* add();
  // Flushes and closes; throws on any I/O error.
  FileSummary close();

  std::uint64_t records() const { return records_; }

 private:
  void flush();

  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  std::size_t record_size_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  std::uint64_t records_ = 0;
};

}  // namespace sample_data
