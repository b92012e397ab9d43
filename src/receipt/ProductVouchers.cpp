#include "receipt/ProductVouchers.h"

#include <algorithm>
#include <new>

namespace kuitti {

ProductVouchers::ProductVouchers()
    : hasProduct_(Zeros(kSixDigitNumbers)),
      decidedWithout_(Zeros(kSixDigitNumbers)),
      decidedOnPage_(Zeros((kSixDigitNumbers + kPageMarks - 1) / kPageMarks)) {}

ProductVouchers::Table ProductVouchers::Zeros(std::size_t size) {
  // Not new[] with its clearing, which would write every page.
  Table table(static_cast<std::uint8_t*>(std::calloc(size, 1)));
  if (!table) {
    throw std::bad_alloc();
  }
  return table;
}

std::uint64_t ProductVouchers::Key(const unsigned char* voucher) {
  std::uint64_t key = 0;
  for (int i = 0; i < kWidth; ++i) {
    key = (key << 8) | voucher[i];
  }
  return key;
}

void ProductVouchers::MarkOtherProduct(const unsigned char* voucher) {
  const std::lock_guard lock(othersMutex_);
  others_[Key(voucher)] |= kHasProduct;
}

bool ProductVouchers::DecideOtherTotalsRow(const unsigned char* voucher) {
  const std::lock_guard lock(othersMutex_);
  std::uint8_t& marks = others_[Key(voucher)];
  if ((marks & kHasProduct) == 0) {
    marks |= kDecidedWithout;
  }
  return (marks & kHasProduct) != 0;
}

bool ProductVouchers::DecidedTooEarly() const {
  for (std::uint32_t page = 0; page * kPageMarks < kSixDigitNumbers; ++page) {
    if (decidedOnPage_[page] == 0) {
      continue;
    }
    // Without a branch per voucher: the compiler compares many at once.
    std::uint8_t both = 0;
    for (std::uint32_t value = page * kPageMarks;
         value < std::min(kSixDigitNumbers, (page + 1) * kPageMarks); ++value) {
      both |= hasProduct_[value] & decidedWithout_[value];
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
