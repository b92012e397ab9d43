#include "data/BlockReader.h"

#include <algorithm>
#include <utility>

namespace kuitti {

BlockReader::BlockReader(RandomAccessFile& file, std::uint64_t total, std::size_t blockSize,
                         Examine examine)
    : file_(file),
      examine_(std::move(examine)),
      total_(total),
      blockSize_(blockSize),
      blockCount_((total + blockSize - 1) / blockSize) {
  const std::size_t used = std::min<std::uint64_t>(blockCount_, kBuffers) + 1;
  // Each block starts page-aligned: the kernel copies into an aligned buffer markedly faster.
  const std::size_t stride = (blockSize_ + kReadAlignment - 1) / kReadAlignment * kReadAlignment;
  storage_ = std::make_unique_for_overwrite<unsigned char[]>(used * stride + kReadAlignment);
  const auto base = reinterpret_cast<std::uintptr_t>(storage_.get());
  unsigned char* first = storage_.get() + (kReadAlignment - base % kReadAlignment) % kReadAlignment;
  for (std::size_t i = 0; i + 1 < used; ++i) {
    buffers_[i].block = first + i * stride;
  }
  buffers_[kBuffers].block = first + (used - 1) * stride;
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

std::span<unsigned char> BlockReader::NextBlock() {
  // The block before this one is done with; its buffer may take a block ahead.
  Release(nextBlock_);
  const std::uint64_t index = nextBlock_++;
  std::size_t slot = index % kBuffers;
  std::uint64_t claimed = 0;
  while (buffers_[slot].holds != index + 1) {
    if (Claim(index + kBuffers, claimed)) {
      Read(claimed, claimed % kBuffers);
    } else if (!IsReadSoon(index)) {
      // The reading thread has most likely lost its core in the middle of this block: read it
      // again rather than wait for the thread to come back.
      slot = kBuffers;
      Read(index, slot);
    }
  }
  const Buffer& buffer = buffers_[slot];
  if (buffer.error) {
    std::rethrow_exception(buffer.error);
  }
  slot_ = slot;
  return {buffer.block, buffer.size};
}

bool BlockReader::Claim(std::uint64_t limit, std::uint64_t& index) {
  index = unclaimed_;
  while (index < std::min(limit, blockCount_) &&
         buffers_[index % kBuffers].holds == (index < kBuffers ? 0 : index - kBuffers + 1)) {
    if (unclaimed_.compare_exchange_weak(index, index + 1)) {
      return true;
    }
  }
  return false;
}

bool BlockReader::Read(std::uint64_t index, std::size_t slot) {
  Buffer& buffer = buffers_[slot];
  buffer.error = nullptr;
  try {
    const std::uint64_t offset = index * blockSize_;
    buffer.size = static_cast<std::size_t>(std::min<std::uint64_t>(blockSize_, total_ - offset));
    const std::span block(buffer.block, buffer.size);
    const std::size_t got = ReadFully(file_, static_cast<std::int64_t>(offset), block);
    std::fill(block.begin() + static_cast<std::ptrdiff_t>(got), block.end(), 0);
    if (examine_) {
      examine_(slot, index, block);
    }
  } catch (...) {
    buffer.error = std::current_exception();
  }
  const bool read = !buffer.error;
  // From here on the caller may take the buffer.
  buffer.holds = index + 1;
  return read;
}

bool BlockReader::IsReadSoon(std::uint64_t index) const {
  const std::atomic<std::uint64_t>& holds = buffers_[index % kBuffers].holds;
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
  std::uint64_t index = 0;
  while (!stop_) {
    if (Claim(released_ + kBuffers, index)) {
      if (!Read(index, index % kBuffers)) {
        return;
      }
    } else if (unclaimed_ >= blockCount_) {
      return;
    } else {
      // Every buffer holds a block the caller has not finished with. Sleep until half of them
      // are free, so that the caller wakes this thread once per few blocks, not for each.
      const std::uint64_t count = unclaimed_ - kBuffers / 2;
      readerAwaits_ = count;
      std::unique_lock lock(mutex_);
      readerWakes_.wait(lock, [&] { return released_ >= count || stop_; });
      readerAwaits_ = kNobodyWaits;
    }
  }
}

}  // namespace kuitti
