#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <thread>

#include "data/FileAccess.h"

namespace kuitti {

// Reads the first `total` bytes of a file as consecutive blocks and hands them out in order.
// A thread of its own reads blocks ahead while the caller scans, and the caller, when it finds
// its next block not read yet, reads one itself rather than wait: on a machine with a core to
// spare the two read side by side; on a busy one, where the reading thread may lose its core
// in the middle of a block, the caller reads on as a single thread would.
// Bytes that the file no longer holds read as zero; nothing past `total` is read, however the
// file grows. A read error is raised on the caller's thread, as the same RuntimeError, when
// the caller comes to the block that failed.
class BlockReader {
 public:
  // The buffers a block may be read into, numbered 0 to kSlots - 1: four blocks read ahead
  // and the caller's spare. That keeps two threads busy; every further buffer's pages would
  // cost each run their first touch (a megabyte block is 256 page faults).
  static constexpr std::size_t kSlots = 5;

  // Looks a block over as soon as it is read, on the thread that read it, while its bytes are
  // still in that core's cache; what it finds it keeps by the slot, until the slot's next
  // block. It must be safe to run on two threads at once, for different slots.
  using Examine = std::function<void(std::size_t slot, std::uint64_t index,
                                     std::span<const unsigned char> block)>;

  // Every block but the last holds blockSize bytes.
  BlockReader(RandomAccessFile& file, std::uint64_t total, std::size_t blockSize,
              Examine examine = {});
  ~BlockReader();
  BlockReader(const BlockReader&) = delete;
  BlockReader& operator=(const BlockReader&) = delete;

  // The next block; it stays valid until the next call. Must not be called after the last.
  std::span<unsigned char> NextBlock();
  bool AtEnd() const { return nextBlock_ == blockCount_; }
  // The slot of the block NextBlock last gave.
  std::size_t Slot() const { return slot_; }

 private:
  static constexpr std::size_t kBuffers = kSlots - 1;  // and the spare
  static constexpr std::size_t kReadAlignment = 4096;
  static constexpr std::uint64_t kNobodyWaits = UINT64_MAX;

  struct Buffer {
    unsigned char* block = nullptr;
    std::size_t size = 0;
    std::exception_ptr error;
    std::atomic<std::uint64_t> holds = 0;  // the number of the block read into it, plus one
  };

  // Takes the lowest block that nobody reads yet, if it is below `limit` and its buffer is
  // free: the caller is done with the block before in it, and that block's read has ended.
  bool Claim(std::uint64_t limit, std::uint64_t& index);
  // Whether it was read without an error, which is otherwise kept in the buffer.
  bool Read(std::uint64_t index, std::size_t slot);
  // Whether the block, being read by the other thread, is ready after a short spin.
  bool IsReadSoon(std::uint64_t index) const;
  void Release(std::uint64_t count);
  void ReadAhead();

  RandomAccessFile& file_;
  Examine examine_;
  std::uint64_t total_;
  std::size_t blockSize_;
  std::uint64_t blockCount_;
  std::uint64_t nextBlock_ = 0;               // the next block handed out
  std::unique_ptr<unsigned char[]> storage_;  // not cleared: every block is read in whole
  // The last one is the caller's own, for a block the reading thread is slow to finish.
  Buffer buffers_[kSlots];
  std::size_t slot_ = kBuffers;  // of the block last handed out

  std::atomic<std::uint64_t> unclaimed_ = 0;  // the lowest block nobody reads yet
  std::atomic<std::uint64_t> released_ = 0;   // blocks the caller is done with
  std::atomic<std::uint64_t> readerAwaits_ = kNobodyWaits;
  std::atomic<bool> stop_ = false;
  std::mutex mutex_;
  std::condition_variable readerWakes_;
  std::thread reader_;
};

}  // namespace kuitti
