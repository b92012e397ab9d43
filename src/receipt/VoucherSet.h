#pragma once

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "Records.h"

namespace kuitti {

// A set of voucher numbers, each as the six raw bytes of its field. Those of six digits,
// nearly all of them, are kept as bits of a table, so that asking for each of a million
// totals rows costs a bit test, not a hash lookup.
class VoucherSet {
 public:
  void Insert(const unsigned char* voucher);
  bool Contains(const unsigned char* voucher) const;

 private:
  static constexpr int kWidth = ReceiptRowRecord::kVoucherNumber.width;
  static constexpr std::uint32_t kSixDigitNumbers = 1000000;
  static constexpr std::uint32_t kNotDigits = kSixDigitNumbers;

  // The number of six digits, or kNotDigits.
  static std::uint32_t DigitsValue(const unsigned char* voucher);
  static std::uint64_t Key(const unsigned char* voucher);

  std::vector<bool> sixDigits_ = std::vector<bool>(kSixDigitNumbers);
  std::unordered_set<std::uint64_t> others_;
};

}  // namespace kuitti
