#include "RecordWriter.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace kuitti::tools {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{4} << 20;

template <typename Unsigned>
void PutLittleEndian(char* record, Field field, Unsigned value) {
  if (field.width != sizeof(Unsigned)) {
    throw std::logic_error("number does not fill its field");
  }
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
    record[field.offset + i] = static_cast<char>(static_cast<unsigned char>(value >> (8 * i)));
  }
}

std::runtime_error IoError(const std::filesystem::path& path, const char* what) {
  return std::runtime_error(std::string(what) + " " + path.string() + ": " + std::strerror(errno));
}

}  // namespace

void PutText(char* record, Field field, std::string_view bytes) {
  const auto width = static_cast<std::size_t>(field.width);
  if (bytes.size() > width) {
    throw std::logic_error("text does not fit its field: " + std::string(bytes));
  }
  std::memcpy(record + field.offset, bytes.data(), bytes.size());
  std::memset(record + field.offset + bytes.size(), ' ', width - bytes.size());
}

void PutSpaces(char* record, Field field) {
  std::memset(record + field.offset, ' ', static_cast<std::size_t>(field.width));
}

void PutDigits(char* record, Field field, std::uint64_t value) {
  for (int i = field.width; i-- > 0;) {
    record[field.offset + i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

void PutInt16(char* record, Field field, std::int16_t value) {
  PutLittleEndian(record, field, static_cast<std::uint16_t>(value));
}

void PutInt32(char* record, Field field, std::int32_t value) {
  PutLittleEndian(record, field, static_cast<std::uint32_t>(value));
}

void PutInt64(char* record, Field field, std::int64_t value) {
  PutLittleEndian(record, field, static_cast<std::uint64_t>(value));
}

void PutDouble(char* record, Field field, double value) {
  PutLittleEndian(record, field, std::bit_cast<std::uint64_t>(value));
}

RecordWriter::RecordWriter(const std::filesystem::path& path, std::size_t recordSize)
    : path_(path),
      recordSize_(recordSize),
      // Whole records per chunk keeps Add() simple.
      buffer_(kChunkBytes / recordSize * recordSize) {
  file_ = std::fopen(path.string().c_str(), "wb");
  if (file_ == nullptr) {
    throw IoError(path, "cannot create");
  }
  // Our own buffer already batches the writes; stdio buffering would only copy.
  std::setvbuf(file_, nullptr, _IONBF, 0);
}

RecordWriter::~RecordWriter() {
  if (file_ != nullptr) {
    std::fclose(file_);  // Only reached on an error path; Close() reports errors.
  }
}

char* RecordWriter::Add() {
  if (used_ + recordSize_ > buffer_.size()) {
    Flush();
  }
  char* record = buffer_.data() + used_;
  std::memset(record, 0, recordSize_);
  used_ += recordSize_;
  ++records_;
  return record;
}

void RecordWriter::Flush() {
  if (used_ > 0 && std::fwrite(buffer_.data(), 1, used_, file_) != used_) {
    throw IoError(path_, "cannot write");
  }
  used_ = 0;
}

FileSummary RecordWriter::Close() {
  Flush();
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) != 0) {
    throw IoError(path_, "cannot write");
  }
  return {path_, records_, records_ * recordSize_};
}

}  // namespace kuitti::tools
