#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "FileAccess.h"
#include "RuntimeError.h"

namespace kuitti::fuzz {

// Data files held in memory, so that every fuzz input runs without touching the disk.
class MemoryFileSystem final : public FileSystem {
 public:
  void Put(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }

  std::unique_ptr<RandomAccessFile> OpenShared(const std::string& path) override {
    const auto it = files_.find(path);
    if (it == files_.end()) {
      throw RuntimeError(kFileNotFound, "Tiedostoa ei löydy: " + path);
    }
    return std::make_unique<MemoryFile>(it->second);
  }

 private:
  class MemoryFile final : public RandomAccessFile {
   public:
    explicit MemoryFile(const std::string& bytes) : bytes_(bytes) {}
    std::int64_t Length() override { return static_cast<std::int64_t>(bytes_.size()); }
    std::size_t ReadAt(std::int64_t offset, std::span<unsigned char> out) override {
      const auto size = static_cast<std::int64_t>(bytes_.size());
      if (offset >= size) {
        return 0;
      }
      const auto count = std::min<std::int64_t>(size - offset, std::ssize(out));
      std::memcpy(out.data(), bytes_.data() + offset, static_cast<std::size_t>(count));
      return static_cast<std::size_t>(count);
    }

   private:
    const std::string& bytes_;
  };

  std::map<std::string, std::string> files_;
};

}  // namespace kuitti::fuzz
