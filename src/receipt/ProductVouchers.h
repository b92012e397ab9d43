#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "data/Records.h"

namespace kuitti {

// The vouchers that have an item row with the product, and those with a totals row decided
// as no hit before any such row was known, kept by the two threads that read the file at
// once. Each voucher number is given as the six raw bytes of its field. Numbers of six
// digits, nearly all of them, index a table of a million entries made a thousand at a time as
// they are first needed, so that a mark costs a store and a question a load: no lock, no
// hash. A question on one thread may miss a mark being made on the other; such a totals row
// is found again by DecidedTooEarly once both are done.
class ProductVouchers {
 public:
  ProductVouchers();
  ~ProductVouchers();
  ProductVouchers(const ProductVouchers&) = delete;
  ProductVouchers& operator=(const ProductVouchers&) = delete;

  void MarkProduct(const unsigned char* voucher);
  // Whether a totals row of the voucher is listed: a row with the product is marked for it.
  // When none is, that is noted for DecidedTooEarly.
  bool DecideTotalsRow(const unsigned char* voucher);
  // Whether a totals row was decided without a row with the product that its voucher has:
  // the file holds one after the totals row, or it was being marked at that moment. Only
  // once every thread that marks is done.
  bool DecidedTooEarly() const;

 private:
  static constexpr int kWidth = ReceiptRowRecord::kVoucherNumber.width;
  static constexpr std::uint32_t kSixDigitNumbers = 1000000;
  static constexpr std::uint32_t kNotDigits = kSixDigitNumbers;
  static constexpr std::uint32_t kPartSize = 1000;
  static constexpr std::uint8_t kHasProduct = 1;
  static constexpr std::uint8_t kDecidedWithout = 2;

  // Each mark a byte of its own, so that a thread storing one never overwrites another; both
  // threads store and load them as atomics, and once they are done the parts are read whole.
  struct Part {
    std::array<std::uint8_t, kPartSize> hasProduct{};
    std::array<std::uint8_t, kPartSize> decidedWithout{};
  };

  // The number of six digits, or kNotDigits; without a branch per byte.
  static std::uint32_t DigitsValue(const unsigned char* voucher);
  static std::uint64_t Key(const unsigned char* voucher);

  // The part that holds the number, made if it is not there yet.
  Part& PartOf(std::uint32_t value);

  std::unique_ptr<std::atomic<Part*>[]> parts_;
  // The other numbers are few: a lock is cheap for them.
  mutable std::mutex othersMutex_;
  std::unordered_map<std::uint64_t, std::uint8_t> others_;
};

}  // namespace kuitti
