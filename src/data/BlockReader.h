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

// Reads the first `total` bytes of a file as consecutive blocks and has each looked over as
// soon as it is read, on the thread that read it, while its bytes are still in that core's
// cache; the caller then takes what was found block by block, in order. A thread of its own
// reads and looks over blocks ahead while the caller takes what it found, and the caller,
// when its next block is not done yet, does one itself rather than wait: on a machine with a
// core to spare the two work side by side; on a busy one, where the reading thread may lose
// its core in the middle of a block, the caller reads on as a single thread would.
// Each thread reads every block into the one buffer of its own, as a plain read loop does:
// a buffer the kernel has just copied into is still in the core's cache when it is written
// again, where a ring of buffers would be fetched back from memory at every block.
// Bytes that the file no longer holds read as zero; nothing past `total` is read, however the
// file grows. A read error is raised on the caller's thread, as the same RuntimeError, when
// the caller comes to the block that failed.
class BlockReader {
 public:
  // Where what is found in a block is kept, numbered 0 to kSlots - 1, until the caller has
  // taken it: blocks done ahead, and the caller's spare for a block the other thread is slow
  // to finish.
  static constexpr std::size_t kSlots = 9;

  // Looks a block over as soon as it is read and keeps what it finds by the slot, until the
  // slot's next block. It must be safe to run on two threads at once, for different slots.
  using Examine = std::function<void(std::size_t slot, std::uint64_t index,
                                     std::span<const unsigned char> block)>;

  // Every block but the last holds blockSize bytes.
  BlockReader(RandomAccessFile& file, std::uint64_t total, std::size_t blockSize, Examine examine);
  ~BlockReader();
  BlockReader(const BlockReader&) = delete;
  BlockReader& operator=(const BlockReader&) = delete;

  // The slot of what was found in the next block; it stays until the next call. Must not be
  // called after the last block.
  std::size_t NextBlock();
  bool AtEnd() const { return nextBlock_ == blockCount_; }

 private:
  static constexpr std::size_t kAhead = kSlots - 1;  // and the spare
  static constexpr std::size_t kReadAlignment = 4096;
  static constexpr std::uint64_t kNobodyWaits = UINT64_MAX;

  struct Slot {
    std::exception_ptr error;
    std::atomic<std::uint64_t> holds = 0;  // the number of the block done into it, plus one
  };

  // A block-sized buffer that starts on a page: the kernel copies into it markedly faster.
  class Buffer {
   public:
    explicit Buffer(std::size_t size);
    unsigned char* data() const { return first_; }

   private:
    std::unique_ptr<unsigned char[]> storage_;  // not cleared: every block is read in whole
    unsigned char* first_;
  };

  // Takes the lowest block that nobody does yet, if it is below `limit` and its slot is free:
  // the caller is done with the block before in it, and that block is done.
  bool Claim(std::uint64_t limit, std::uint64_t& index);
  // Whether it was read and looked over without an error, which is otherwise kept in the
  // slot.
  bool Do(std::uint64_t index, std::size_t slot, const Buffer& buffer);
  // Whether the block, being done by the other thread, is ready after a short spin.
  bool IsDoneSoon(std::uint64_t index) const;
  void Release(std::uint64_t count);
  void ReadAhead();

  RandomAccessFile& file_;
  Examine examine_;
  std::uint64_t total_;
  std::size_t blockSize_;
  std::uint64_t blockCount_;
  std::uint64_t nextBlock_ = 0;  // the next block handed out
  // The last one is the caller's own, for a block the reading thread is slow to finish.
  Slot slots_[kSlots];
  Buffer callersBuffer_;

  std::atomic<std::uint64_t> unclaimed_ = 0;  // the lowest block nobody does yet
  std::atomic<std::uint64_t> released_ = 0;   // blocks the caller is done with
  std::atomic<std::uint64_t> readerAwaits_ = kNobodyWaits;
  std::atomic<bool> stop_ = false;
  std::mutex mutex_;
  std::condition_variable readerWakes_;
  std::thread reader_;
};

}  // namespace kuitti
