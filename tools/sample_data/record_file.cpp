#include "record_file.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace sample_data {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{4} << 20;

template <typename Unsigned>
void put_le(char* record, std::size_t offset, Unsigned value) {
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
    record[offset + i] = static_cast<char>(static_cast<unsigned char>(value >> (8 * i)));
  }
}

std::runtime_error io_error(const std::filesystem::path& path, const char* what) {
  return std::runtime_error(std::string(what) + " " + path.string() + ": " + std::strerror(errno));
}

}  // namespace

void put_text(char* record, std::size_t offset, std::size_t width, std::string_view bytes) {
  if (bytes.size() > width) {
    throw std::logic_error("text does not fit its field: " + std::string(bytes));
  }
  std::memcpy(record + offset, bytes.data(), bytes.size());
  std::memset(record + offset + bytes.size(), ' ', width - bytes.size());
}

void put_spaces(char* record, std::size_t offset, std::size_t width) {
  std::memset(record + offset, ' ', width);
}

void put_digits(char* record, std::size_t offset, std::size_t width, std::uint64_t value) {
  for (std::size_t i = width; i-- > 0;) {
    record[offset + i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

void put_i16(char* record, std::size_t offset, std::int16_t value) {
  put_le(record, offset, static_cast<std::uint16_t>(value));
}

void put_i32(char* record, std::size_t offset, std::int32_t value) {
  put_le(record, offset, static_cast<std::uint32_t>(value));
}

void put_i64(char* record, std::size_t offset, std::int64_t value) {
  put_le(record, offset, static_cast<std::uint64_t>(value));
}

void put_f64(char* record, std::size_t offset, double value) {
  put_le(record, offset, std::bit_cast<std::uint64_t>(value));
}

RecordFile::RecordFile(const std::filesystem::path& path, std::size_t record_size)
    : path_(path),
      record_size_(record_size),
      // Whole records per chunk keeps add() simple.
      buffer_(kChunkBytes / record_size * record_size) {
  file_ = std::fopen(path.string().c_str(), "wb");
  if (file_ == nullptr) {
    throw io_error(path, "cannot create");
  }
  // Our own buffer already batches the writes; stdio buffering would only copy.
  std::setvbuf(file_, nullptr, _IONBF, 0);
}

RecordFile::~RecordFile() {
  if (file_ != nullptr) {
    std::fclose(file_);  // Only reached on an error path; close() reports errors.
  }
}

char* RecordFile::add() {
  if (used_ + record_size_ > buffer_.size()) {
    flush();
  }
  char* record = buffer_.data() + used_;
  std::memset(record, 0, record_size_);
  used_ += record_size_;
  ++records_;
  return record;
}

void RecordFile::flush() {
  if (used_ > 0 && std::fwrite(buffer_.data(), 1, used_, file_) != used_) {
    throw io_error(path_, "cannot write");
  }
  used_ = 0;
}

FileSummary RecordFile::close() {
  flush();
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) != 0) {
    throw io_error(path_, "cannot write");
  }
  return {path_, records_, records_ * record_size_};
}

}  // namespace sample_data
