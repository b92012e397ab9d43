#include "BlockReader.h"

#include <algorithm>

namespace kuitti {

BlockReader::BlockReader(RandomAccessFile& file, std::uint64_t total, std::size_t blockSize,
                         std::size_t headroom)
    : file_(file),
      total_(total),
      blockSize_(blockSize),
      blockCount_((total + blockSize - 1) / blockSize) {
  const std::size_t used = std::min<std::uint64_t>(blockCount_, kBuffers);
  // Each block starts page-aligned, its headroom just before it: the kernel copies into an
  // aligned buffer markedly faster.
  const std::size_t stride =
      (headroom + blockSize_ + kReadAlignment - 1) / kReadAlignment * kReadAlignment;
  storage_.resize(used * stride + kReadAlignment);
  const auto base = reinterpret_cast<std::uintptr_t>(storage_.data()) + headroom;
  unsigned char* first =
      storage_.data() + headroom + (kReadAlignment - base % kReadAlignment) % kReadAlignment;
  for (std::size_t i = 0; i < used; ++i) {
    buffers_[i].block = first + i * stride;
  }
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
  Buffer& buffer = buffers_[nextBlock_ % kBuffers];
  if (!reader_.joinable()) {
    ReadBlock(nextBlock_, buffer);
  } else {
    // The block before this one is done with; its buffer may take a block ahead.
    Release(nextBlock_);
    if (filled_ <= nextBlock_) {
      WaitForBlocks(std::min(nextBlock_ + kWakeBatch, blockCount_));
    }
  }
  ++nextBlock_;
  if (buffer.error) {
    std::rethrow_exception(buffer.error);
  }
  return {buffer.block, buffer.size};
}

void BlockReader::WaitForBlocks(std::uint64_t count) {
  // Either the reader sees what is awaited and wakes the caller, or the caller sees the block
  // counted before it sleeps: both sides write, then read, sequentially consistent atomics.
  callerAwaits_ = count;
  std::unique_lock lock(mutex_);
  callerWakes_.wait(lock, [&] { return filled_ >= count || failed_; });
  callerAwaits_ = kNobodyWaits;
}

void BlockReader::Release(std::uint64_t count) {
  released_ = count;
  if (count >= readerAwaits_) {
    const std::lock_guard lock(mutex_);
    readerWakes_.notify_one();
  }
}

void BlockReader::ReadBlock(std::uint64_t index, Buffer& buffer) {
  const std::uint64_t offset = index * blockSize_;
  buffer.size = static_cast<std::size_t>(std::min<std::uint64_t>(blockSize_, total_ - offset));
  const std::span block(buffer.block, buffer.size);
  const std::size_t got = ReadFully(file_, static_cast<std::int64_t>(offset), block);
  std::fill(block.begin() + static_cast<std::ptrdiff_t>(got), block.end(), 0);
}

void BlockReader::ReadAhead() {
  for (std::uint64_t index = 0; index < blockCount_; ++index) {
    // The buffer is free once the block kBuffers before this one is released.
    if (index >= kBuffers && released_ < index - kBuffers + 1) {
      const std::uint64_t count = index - kBuffers + 1;
      readerAwaits_ = count;
      std::unique_lock lock(mutex_);
      readerWakes_.wait(lock, [&] { return released_ >= count || stop_; });
      readerAwaits_ = kNobodyWaits;
    }
    if (stop_) {
      return;
    }
    Buffer& buffer = buffers_[index % kBuffers];
    try {
      ReadBlock(index, buffer);
    } catch (...) {
      buffer.error = std::current_exception();
      failed_ = true;
    }
    filled_ = index + 1;
    if (filled_ >= callerAwaits_ || failed_) {
      const std::lock_guard lock(mutex_);
      callerWakes_.notify_one();
    }
    if (failed_) {
      return;
    }
  }
}

}  // namespace kuitti
