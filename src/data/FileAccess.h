#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace kuitti {

// A data file opened for reading only, shared with the point-of-sale system, which may write,
// grow or truncate it at any moment.
class RandomAccessFile {
 public:
  virtual ~RandomAccessFile() = default;

  // The current length in bytes.
  virtual std::int64_t Length() = 0;
  // Reads up to out.size() bytes at offset with one positioned read; fewer only at the end of
  // the file. No shared file offset is involved, so two threads may read at once.
  virtual std::size_t ReadAt(std::int64_t offset, std::span<unsigned char> out) = 0;
  // A hint that the file will be read from start to end.
  virtual void AdviseSequential() {}
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens for reading, without any lock; fails with a numbered error naming the path.
  virtual std::unique_ptr<RandomAccessFile> OpenShared(const std::string& path) = 0;
};

// The operating system's files, from the platform's file layer (src/platform, kuitti_files).
FileSystem& SystemFileSystem();

// Reads until out is full or the file ends; returns the bytes read.
std::size_t ReadFully(RandomAccessFile& file, std::int64_t offset, std::span<unsigned char> out);

}  // namespace kuitti
