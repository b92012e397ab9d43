#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "DataFiles.h"
#include "FileAccess.h"

namespace kuitti::test {

// A file held in memory. Its reported length can be set apart from its bytes, to count the
// records of very large files without writing them.
class MemoryFile final : public RandomAccessFile {
 public:
  explicit MemoryFile(Bytes bytes, std::optional<std::int64_t> length = std::nullopt)
      : bytes_(std::move(bytes)), length_(length) {}

  std::int64_t Length() override {
    return length_ ? *length_ : static_cast<std::int64_t>(bytes_.size());
  }
  std::size_t ReadAt(std::int64_t offset, std::span<unsigned char> out) override;

 private:
  Bytes bytes_;
  std::optional<std::int64_t> length_;
};

}  // namespace kuitti::test
