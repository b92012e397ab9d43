#include "receipt/ProductVouchers.h"

#include <atomic>

namespace kuitti {

ProductVouchers::ProductVouchers()
    : parts_(std::make_unique<std::atomic<Part*>[]>(kSixDigitNumbers / kPartSize)) {}

ProductVouchers::~ProductVouchers() {
  for (std::uint32_t i = 0; i < kSixDigitNumbers / kPartSize; ++i) {
    delete parts_[i].load();
  }
}

std::uint32_t ProductVouchers::DigitsValue(const unsigned char* voucher) {
  std::uint32_t value = 0;
  bool allDigits = true;
  for (int i = 0; i < kWidth; ++i) {
    const unsigned digit = voucher[i] - static_cast<unsigned>('0');
    allDigits &= digit <= 9;
    value = value * 10 + digit;
  }
  return allDigits ? value : kNotDigits;
}

std::uint64_t ProductVouchers::Key(const unsigned char* voucher) {
  std::uint64_t key = 0;
  for (int i = 0; i < kWidth; ++i) {
    key = (key << 8) | voucher[i];
  }
  return key;
}

ProductVouchers::Part& ProductVouchers::PartOf(std::uint32_t value) {
  std::atomic<Part*>& slot = parts_[value / kPartSize];
  Part* part = slot.load(std::memory_order_acquire);
  if (part == nullptr) {
    auto made = std::make_unique<Part>();
    // The other thread may have made it meanwhile: then its part is the one.
    if (slot.compare_exchange_strong(part, made.get(), std::memory_order_acq_rel)) {
      part = made.release();
    }
  }
  return *part;
}

void ProductVouchers::MarkProduct(const unsigned char* voucher) {
  const std::uint32_t value = DigitsValue(voucher);
  if (value == kNotDigits) {
    const std::lock_guard lock(othersMutex_);
    others_[Key(voucher)] |= kHasProduct;
    return;
  }
  std::atomic_ref(PartOf(value).hasProduct[value % kPartSize]).store(1, std::memory_order_relaxed);
}

bool ProductVouchers::DecideTotalsRow(const unsigned char* voucher) {
  const std::uint32_t value = DigitsValue(voucher);
  if (value == kNotDigits) {
    const std::lock_guard lock(othersMutex_);
    std::uint8_t& marks = others_[Key(voucher)];
    if ((marks & kHasProduct) == 0) {
      marks |= kDecidedWithout;
    }
    return (marks & kHasProduct) != 0;
  }
  Part& part = PartOf(value);
  const std::size_t index = value % kPartSize;
  if (std::atomic_ref(part.hasProduct[index]).load(std::memory_order_relaxed) != 0) {
    return true;
  }
  std::atomic_ref(part.decidedWithout[index]).store(1, std::memory_order_relaxed);
  return false;
}

bool ProductVouchers::DecidedTooEarly() const {
  for (std::uint32_t i = 0; i < kSixDigitNumbers / kPartSize; ++i) {
    const Part* part = parts_[i].load(std::memory_order_acquire);
    if (part == nullptr) {
      continue;
    }
    // Without a branch per voucher: the compiler compares many at once.
    std::uint8_t both = 0;
    for (std::uint32_t j = 0; j < kPartSize; ++j) {
      both |= part->hasProduct[j] & part->decidedWithout[j];
    }
    if (both != 0) {
      return true;
    }
  }
  const std::lock_guard lock(othersMutex_);
  for (const auto& [key, marks] : others_) {
    if (marks == (kHasProduct | kDecidedWithout)) {
      return true;
    }
  }
  return false;
}

}  // namespace kuitti
