#include "BlockReader.h"

#include <algorithm>
#include <cstring>

namespace kuitti {
namespace {

// Waits while the state holds the value. A block takes some microseconds to read, so a short
// spin sees most hand-overs without the cost of sleeping and waking a thread.
void WaitWhile(const std::atomic<int>& state, int value) {
  constexpr int kSpins = 1024;
  for (int i = 0; i < kSpins; ++i) {
    if (state.load(std::memory_order_acquire) != value) {
      return;
    }
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
  }
  state.wait(value, std::memory_order_acquire);
}

}  // namespace

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
    stop_.store(true);
    for (Buffer& buffer : buffers_) {
      buffer.state.store(kFree);
      buffer.state.notify_one();
    }
    reader_.join();
  }
}

std::span<unsigned char> BlockReader::NextBlock() {
  Buffer& buffer = buffers_[nextBlock_ % kBuffers];
  if (!reader_.joinable()) {
    ReadBlock(nextBlock_++, buffer);
  } else {
    // The block before this one is done with: its buffer may take the next block ahead.
    if (nextBlock_ > 0) {
      Buffer& done = buffers_[(nextBlock_ - 1) % kBuffers];
      done.state.store(kFree, std::memory_order_release);
      done.state.notify_one();
    }
    WaitWhile(buffer.state, kFree);
    ++nextBlock_;
  }
  if (buffer.error) {
    std::rethrow_exception(buffer.error);
  }
  return {buffer.block, buffer.size};
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
    Buffer& buffer = buffers_[index % kBuffers];
    WaitWhile(buffer.state, kFilled);
    if (stop_.load()) {
      return;
    }
    try {
      ReadBlock(index, buffer);
    } catch (...) {
      buffer.error = std::current_exception();
    }
    buffer.state.store(kFilled, std::memory_order_release);
    buffer.state.notify_one();
    if (buffer.error) {
      return;
    }
  }
}

}  // namespace kuitti
