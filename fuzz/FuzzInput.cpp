#include "FuzzInput.h"

#include <algorithm>

namespace kuitti::fuzz {
namespace {

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::size_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::string Take(std::size_t count) {
    count = std::min(count, size_ - pos_);
    std::string bytes(reinterpret_cast<const char*>(data_ + pos_), count);
    pos_ += count;
    return bytes;
  }
  std::string Rest() { return Take(size_ - pos_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace

FuzzInput SplitFuzzInput(const std::uint8_t* data, std::size_t size) {
  Reader reader(data, size);
  FuzzInput input;
  input.flags = static_cast<std::uint8_t>(reader.Byte());
  input.entry = reader.Take(reader.Byte());
  for (int i = 0; i < 3; ++i) {
    const std::size_t low = reader.Byte();
    input.files[i] = reader.Take(low | (reader.Byte() << 8));
  }
  input.files[3] = reader.Rest();
  return input;
}

std::string JoinFuzzInput(const FuzzInput& input) {
  std::string bytes(1, static_cast<char>(input.flags));
  bytes += static_cast<char>(input.entry.size());
  bytes += input.entry.substr(0, 255);
  for (int i = 0; i < 3; ++i) {
    const std::size_t length = std::min<std::size_t>(input.files[i].size(), 0xFFFF);
    bytes += static_cast<char>(length & 0xFF);
    bytes += static_cast<char>(length >> 8);
    bytes += input.files[i].substr(0, length);
  }
  bytes += input.files[3];
  return bytes;
}

}  // namespace kuitti::fuzz
