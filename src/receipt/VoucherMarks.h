#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "data/Records.h"

namespace kuitti {

// Marks kept per voucher number, each number as the six raw bytes of its field. Numbers of six
// digits, nearly all of them, index a table of a million entries, so that marking or asking for
// each of a million rows costs one table access, not a hash lookup. The table is made a
// thousand numbers at a time, as they are first asked for: clearing all of it would be most
// of the search of a small file.
class VoucherMarks {
 public:
  using Marks = std::uint8_t;

  // The voucher's marks, to read and to set; none at first.
  Marks& operator[](const unsigned char* voucher) {
    const std::uint32_t value = DigitsValue(voucher);
    if (value == kNotDigits) {
      return others_[Key(voucher)];
    }
    std::unique_ptr<Marks[]>& part = sixDigits_[value / kPartSize];
    if (!part) {
      part = std::make_unique<Marks[]>(kPartSize);
    }
    return part[value % kPartSize];
  }

 private:
  static constexpr int kWidth = ReceiptRowRecord::kVoucherNumber.width;
  static constexpr std::uint32_t kSixDigitNumbers = 1000000;
  static constexpr std::uint32_t kNotDigits = kSixDigitNumbers;
  static constexpr std::uint32_t kPartSize = 1000;

  // The number of six digits, or kNotDigits; without a branch per byte.
  static std::uint32_t DigitsValue(const unsigned char* voucher) {
    std::uint32_t value = 0;
    bool allDigits = true;
    for (int i = 0; i < kWidth; ++i) {
      const unsigned digit = voucher[i] - static_cast<unsigned>('0');
      allDigits &= digit <= 9;
      value = value * 10 + digit;
    }
    return allDigits ? value : kNotDigits;
  }

  static std::uint64_t Key(const unsigned char* voucher) {
    std::uint64_t key = 0;
    for (int i = 0; i < kWidth; ++i) {
      key = (key << 8) | voucher[i];
    }
    return key;
  }

  std::vector<std::unique_ptr<Marks[]>> sixDigits_ =
      std::vector<std::unique_ptr<Marks[]>>(kSixDigitNumbers / kPartSize);
  std::unordered_map<std::uint64_t, Marks> others_;
};

}  // namespace kuitti
