#include "support/MemoryFile.h"

#include <algorithm>

#include "data/RuntimeError.h"

namespace kuitti::test {

MemoryFile::MemoryFile(std::span<const unsigned char> bytes, std::optional<std::int64_t> length)
    : bytes_(std::make_shared<const std::string>(bytes.begin(), bytes.end())), length_(length) {}

std::int64_t MemoryFile::Length() {
  return length_ ? *length_ : static_cast<std::int64_t>(bytes_->size());
}

std::size_t MemoryFile::ReadAt(std::int64_t offset, std::span<unsigned char> out) {
  if (offset < 0 || static_cast<std::uint64_t>(offset) >= bytes_->size()) {
    return 0;
  }
  const auto start = static_cast<std::size_t>(offset);
  const std::size_t count = std::min(out.size(), bytes_->size() - start);
  std::copy_n(bytes_->begin() + static_cast<std::ptrdiff_t>(start), count, out.begin());
  return count;
}

void MemoryFileSystem::Put(const std::string& path, std::string bytes) {
  files_[path] = std::make_shared<const std::string>(std::move(bytes));
}

std::unique_ptr<RandomAccessFile> MemoryFileSystem::OpenShared(const std::string& path) {
  const auto it = files_.find(path);
  if (it == files_.end()) {
    throw RuntimeError(kFileNotFound, "Tiedostoa ei löydy: " + path);
  }
  return std::unique_ptr<RandomAccessFile>(new MemoryFile(it->second));
}

}  // namespace kuitti::test
