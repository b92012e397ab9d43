#pragma once

#include <atomic>
#include <cstdint>
#include <exception>
#include <span>
#include <thread>
#include <vector>

#include "FileAccess.h"

namespace kuitti {

// Reads the first `total` bytes of a file as consecutive blocks, each one read ahead on a
// thread of its own while the caller works on the one before, so that reading and scanning a
// large file overlap. A file that fits in one block is read on the caller's thread.
// Bytes that the file no longer holds read as zero; nothing past `total` is read, however the
// file grows. A read error is raised on the caller's thread, as the same RuntimeError.
class BlockReader {
 public:
  // Every block but the last holds blockSize bytes; `headroom` bytes before each block are
  // free for the caller's use.
  BlockReader(RandomAccessFile& file, std::uint64_t total, std::size_t blockSize,
              std::size_t headroom);
  ~BlockReader();
  BlockReader(const BlockReader&) = delete;
  BlockReader& operator=(const BlockReader&) = delete;

  // The next block; it stays valid until the next call. Must not be called after the last.
  std::span<unsigned char> NextBlock();

 private:
  // Enough for the reader to keep going while the scan lags behind for a moment.
  static constexpr std::size_t kBuffers = 4;
  static constexpr std::size_t kReadAlignment = 4096;

  enum State : int { kFree, kFilled };
  struct Buffer {
    unsigned char* block = nullptr;
    std::size_t size = 0;
    std::exception_ptr error;
    std::atomic<int> state = kFree;
  };

  void ReadBlock(std::uint64_t index, Buffer& buffer);
  void ReadAhead();

  RandomAccessFile& file_;
  std::uint64_t total_;
  std::size_t blockSize_;
  std::uint64_t blockCount_;
  std::uint64_t nextBlock_ = 0;
  std::vector<unsigned char> storage_;
  Buffer buffers_[kBuffers];
  std::atomic<bool> stop_ = false;
  std::thread reader_;
};

}  // namespace kuitti
