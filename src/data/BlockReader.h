#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "FileAccess.h"

namespace kuitti {

// Reads the first `total` bytes of a file as consecutive blocks, the next ones read ahead on a
// thread of its own while the caller works on this one, so that reading and scanning a large
// file overlap. A file that fits in one block is read on the caller's thread.
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
  static constexpr std::size_t kBuffers = 8;
  // The caller, once it has caught up with the reading, sleeps until this many blocks are
  // ready, so that it is woken once per few blocks rather than for every one; the reading
  // meanwhile has the other buffers to go on with.
  static constexpr std::uint64_t kWakeBatch = kBuffers / 2;
  static constexpr std::size_t kReadAlignment = 4096;
  static constexpr std::uint64_t kNobodyWaits = UINT64_MAX;

  struct Buffer {
    unsigned char* block = nullptr;
    std::size_t size = 0;
    std::exception_ptr error;
  };

  void ReadBlock(std::uint64_t index, Buffer& buffer);
  void ReadAhead();
  void WaitForBlocks(std::uint64_t count);
  void Release(std::uint64_t count);

  RandomAccessFile& file_;
  std::uint64_t total_;
  std::size_t blockSize_;
  std::uint64_t blockCount_;
  std::uint64_t nextBlock_ = 0;
  std::vector<unsigned char> storage_;
  Buffer buffers_[kBuffers];

  // Counts of blocks read (a failed one included) and handed back, and what each side waits
  // for while it sleeps.
  std::atomic<std::uint64_t> filled_ = 0;
  std::atomic<std::uint64_t> released_ = 0;
  std::atomic<std::uint64_t> callerAwaits_ = kNobodyWaits;
  std::atomic<std::uint64_t> readerAwaits_ = kNobodyWaits;
  std::atomic<bool> failed_ = false;
  std::atomic<bool> stop_ = false;
  std::mutex mutex_;
  std::condition_variable callerWakes_;
  std::condition_variable readerWakes_;
  std::thread reader_;
};

}  // namespace kuitti
