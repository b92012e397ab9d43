#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "data/Records.h"

namespace kuitti {

// The vouchers that have an item row with the product, and those with a totals row decided
// as no hit before any such row was known, kept by the two threads that read the file at
// once. Each voucher number is given as the six raw bytes of its field. Numbers of six
// digits, nearly all of them, index two tables of a million bytes, so that a mark costs a
// store and a question a load: no lock, no hash. The tables are asked of the system as zeros,
// so only the pages of the vouchers the file holds are ever touched. A question on one thread may
// miss a mark being made on the other; such a totals row is found again by DecidedTooEarly once
// both are done.
class ProductVouchers {
 public:
  ProductVouchers();
  ProductVouchers(const ProductVouchers&) = delete;
  ProductVouchers& operator=(const ProductVouchers&) = delete;

  // Inline, as is the question: a search asks it of every totals row of a gigabyte file.
  void MarkProduct(const unsigned char* voucher) {
    const std::uint32_t value = DigitsValue(voucher);
    if (value == kNotDigits) {
      MarkOtherProduct(voucher);
      return;
    }
    std::atomic_ref(hasProduct_[value]).store(1, std::memory_order_relaxed);
  }
  // Whether a totals row of the voucher is listed: a row with the product is marked for it.
  // When none is, that is noted for DecidedTooEarly.
  bool DecideTotalsRow(const unsigned char* voucher) {
    const std::uint32_t value = DigitsValue(voucher);
    if (value == kNotDigits) {
      return DecideOtherTotalsRow(voucher);
    }
    if (std::atomic_ref(hasProduct_[value]).load(std::memory_order_relaxed) != 0) {
      return true;
    }
    std::atomic_ref(decidedWithout_[value]).store(1, std::memory_order_relaxed);
    std::atomic_ref(decidedOnPage_[value / kPageMarks]).store(1, std::memory_order_relaxed);
    return false;
  }
  // Whether a totals row was decided without a row with the product that its voucher has:
  // the file holds one after the totals row, or it was being marked at that moment. Only
  // once every thread that marks is done.
  bool DecidedTooEarly() const;

 private:
  static constexpr int kWidth = ReceiptRowRecord::kVoucherNumber.width;
  static constexpr std::uint32_t kSixDigitNumbers = 1000000;
  static constexpr std::uint32_t kNotDigits = kSixDigitNumbers;
  static constexpr std::uint32_t kPageMarks = 4096;  // the marks a page of a table holds
  static constexpr std::uint8_t kHasProduct = 1;
  static constexpr std::uint8_t kDecidedWithout = 2;

  // The number of six digits, or kNotDigits; without a branch per byte, and each digit
  // weighed apart rather than the number built a digit after another, which would have each
  // step wait for the one before.
  static std::uint32_t DigitsValue(const unsigned char* voucher) {
    constexpr std::array<std::uint32_t, kWidth> kWeights = {100000, 10000, 1000, 100, 10, 1};
    std::uint32_t value = 0;
    bool allDigits = true;
    for (int i = 0; i < kWidth; ++i) {
      const std::uint32_t digit = voucher[i] - static_cast<std::uint32_t>('0');
      allDigits &= digit <= 9;
      value += digit * kWeights[static_cast<std::size_t>(i)];
    }
    return allDigits ? value : kNotDigits;
  }
  static std::uint64_t Key(const unsigned char* voucher);

  void MarkOtherProduct(const unsigned char* voucher);
  bool DecideOtherTotalsRow(const unsigned char* voucher);

  struct Free {
    void operator()(std::uint8_t* table) const { std::free(table); }
  };
  using Table = std::unique_ptr<std::uint8_t[], Free>;
  static Table Zeros(std::size_t size);

  // A byte a mark, so that a thread storing one never overwrites another; both threads store
  // and load them as atomics, and once they are done the tables are read whole.
  Table hasProduct_;
  Table decidedWithout_;
  // The pages of decidedWithout_ that hold a mark: all that DecidedTooEarly reads.
  Table decidedOnPage_;
  // The other numbers are few: a lock is cheap for them.
  mutable std::mutex othersMutex_;
  std::unordered_map<std::uint64_t, std::uint8_t> others_;
};

}  // namespace kuitti
