#include "data/BlockReader.h"

#include <algorithm>
#include <utility>

namespace kuitti {

BlockReader::Buffer::Buffer(std::size_t size)
    : storage_(std::make_unique_for_overwrite<unsigned char[]>(size + kReadAlignment)) {
  const auto base = reinterpret_cast<std::uintptr_t>(storage_.get());
  first_ = storage_.get() + (kReadAlignment - base % kReadAlignment) % kReadAlignment;
}

BlockReader::BlockReader(RandomAccessFile& file, std::uint64_t total, std::size_t blockSize,
                         Examine examine)
    : file_(file),
      examine_(std::move(examine)),
      total_(total),
      blockSize_(blockSize),
      blockCount_((total + blockSize - 1) / blockSize),
      callersBuffer_(blockCount_ > 0 ? blockSize : 0) {
  file_.AdviseSequential();
  if (blockCount_ > 1) {
    reader_ = std::thread([this] { ReadAhead(); });
  }
}

BlockReader::~BlockReader() {
  if (reader_.joinable()) {
    stop_ = true;
    {
      const std::lock_guard lock(mutex_);
      readerWakes_.notify_one();
    }
    reader_.join();
  }
}

std::size_t BlockReader::NextBlock() {
  // The block before this one is done with; its slot may take a block ahead.
  Release(nextBlock_);
  const std::uint64_t index = nextBlock_++;
  std::size_t slot = index % kAhead;
  std::uint64_t claimed = 0;
  while (slots_[slot].holds != index + 1) {
    if (Claim(index + kAhead, claimed)) {
      Do(claimed, claimed % kAhead, callersBuffer_);
    } else if (!IsDoneSoon(index)) {
      // The reading thread has most likely lost its core in the middle of this block: do it
      // again rather than wait for the thread to come back.
      slot = kAhead;
      Do(index, slot, callersBuffer_);
    }
  }
  if (slots_[slot].error) {
    std::rethrow_exception(slots_[slot].error);
  }
  return slot;
}

bool BlockReader::Claim(std::uint64_t limit, std::uint64_t& index) {
  index = unclaimed_;
  while (index < std::min(limit, blockCount_) &&
         slots_[index % kAhead].holds == (index < kAhead ? 0 : index - kAhead + 1)) {
    if (unclaimed_.compare_exchange_weak(index, index + 1)) {
      return true;
    }
  }
  return false;
}

bool BlockReader::Do(std::uint64_t index, std::size_t slot, const Buffer& buffer) {
  Slot& done = slots_[slot];
  done.error = nullptr;
  try {
    const std::uint64_t offset = index * blockSize_;
    const std::span block(buffer.data(), static_cast<std::size_t>(
                                             std::min<std::uint64_t>(blockSize_, total_ - offset)));
    const std::size_t got = ReadFully(file_, static_cast<std::int64_t>(offset), block);
    std::fill(block.begin() + static_cast<std::ptrdiff_t>(got), block.end(), 0);
    examine_(slot, index, block);
  } catch (...) {
    done.error = std::current_exception();
  }
  const bool ok = !done.error;
  // From here on the caller may take the slot.
  done.holds = index + 1;
  return ok;
}

bool BlockReader::IsDoneSoon(std::uint64_t index) const {
  const std::atomic<std::uint64_t>& holds = slots_[index % kAhead].holds;
  for (int spin = 0; spin < 100; ++spin) {
    if (holds == index + 1) {
      return true;
    }
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
  }
  return false;
}

void BlockReader::Release(std::uint64_t count) {
  // Either the reader sees the release before it sleeps, or it is woken: both sides write,
  // then read, sequentially consistent atomics.
  released_ = count;
  if (count >= readerAwaits_) {
    const std::lock_guard lock(mutex_);
    readerWakes_.notify_one();
  }
}

void BlockReader::ReadAhead() {
  const Buffer buffer(blockSize_);
  std::uint64_t index = 0;
  while (!stop_) {
    if (Claim(released_ + kAhead, index)) {
      if (!Do(index, index % kAhead, buffer)) {
        return;
      }
    } else if (unclaimed_ >= blockCount_) {
      return;
    } else {
      // Every slot holds a block the caller has not finished with. Sleep until half of them
      // are free, so that the caller wakes this thread once per few blocks, not for each.
      const std::uint64_t count = unclaimed_ - kAhead / 2;
      readerAwaits_ = count;
      std::unique_lock lock(mutex_);
      readerWakes_.wait(lock, [&] { return released_ >= count || stop_; });
      readerAwaits_ = kNobodyWaits;
    }
  }
}

}  // namespace kuitti
