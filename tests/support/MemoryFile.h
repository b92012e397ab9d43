#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "data/FileAccess.h"

namespace kuitti::test {

// A file held in memory. Its reported length can be set apart from its bytes, to count the
// records of very large files without writing them.
class MemoryFile final : public RandomAccessFile {
 public:
  explicit MemoryFile(std::span<const unsigned char> bytes,
                      std::optional<std::int64_t> length = std::nullopt);

  std::int64_t Length() override;
  std::size_t ReadAt(std::int64_t offset, std::span<unsigned char> out) override;

 private:
  friend class MemoryFileSystem;
  explicit MemoryFile(std::shared_ptr<const std::string> bytes) : bytes_(std::move(bytes)) {}

  std::shared_ptr<const std::string> bytes_;
  std::optional<std::int64_t> length_;
};

// Data files held in memory by path, so that whole fetches run without touching the disk.
// Opening shares the bytes instead of copying them.
class MemoryFileSystem final : public FileSystem {
 public:
  void Put(const std::string& path, std::string bytes);
  std::unique_ptr<RandomAccessFile> OpenShared(const std::string& path) override;

 private:
  std::map<std::string, std::shared_ptr<const std::string>> files_;
};

}  // namespace kuitti::test
