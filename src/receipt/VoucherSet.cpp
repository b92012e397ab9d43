#include "VoucherSet.h"

namespace kuitti {

void VoucherSet::Insert(const unsigned char* voucher) {
  if (const std::uint32_t value = DigitsValue(voucher); value != kNotDigits) {
    sixDigits_[value] = true;
  } else {
    others_.insert(Key(voucher));
  }
}

bool VoucherSet::Contains(const unsigned char* voucher) const {
  if (const std::uint32_t value = DigitsValue(voucher); value != kNotDigits) {
    return sixDigits_[value];
  }
  return others_.contains(Key(voucher));
}

std::uint32_t VoucherSet::DigitsValue(const unsigned char* voucher) {
  std::uint32_t value = 0;
  for (int i = 0; i < kWidth; ++i) {
    const unsigned digit = voucher[i] - static_cast<unsigned>('0');
    if (digit > 9) {
      return kNotDigits;
    }
    value = value * 10 + digit;
  }
  return value;
}

std::uint64_t VoucherSet::Key(const unsigned char* voucher) {
  std::uint64_t key = 0;
  for (int i = 0; i < kWidth; ++i) {
    key = (key << 8) | voucher[i];
  }
  return key;
}

}  // namespace kuitti
