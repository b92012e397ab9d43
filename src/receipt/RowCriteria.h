#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "DateTimeText.h"
#include "ReceiptSearch.h"
#include "Records.h"
#include "RowSelector.h"

namespace kuitti {

// The search criteria turned into tests on a receipt row's raw bytes, so the scan decodes
// nothing. Codes and digits are encoded once, up front.
class RowCriteria {
 public:
  explicit RowCriteria(const SearchCriteria& criteria);

  static bool IsRendered(const unsigned char* row) {
    return IsRenderedKind(row[ReceiptRowRecord::kKind.offset]);
  }

  static bool IsTotalsRow(const unsigned char* row) {
    static constexpr char kBlank[ReceiptRowRecord::kProductCode.width + 1] = "             ";
    return std::memcmp(row + ReceiptRowRecord::kProductCode.offset, kBlank,
                       ReceiptRowRecord::kProductCode.width) == 0;
  }

  bool WantsProduct() const { return wantsProduct_; }
  // For a rendered item row: whether its trimmed product code is the one looked for.
  bool HasProduct(const unsigned char* row) const;

  // Whether the row meets the day, total and number criteria and has a date; the bytes
  // nearest the row's start are looked at first.
  bool MeetsRowCriteria(const unsigned char* row) const {
    const double saleTime = SaleTime(row);
    // No date, where DateText fails.
    if (!(saleTime > -kFirstDayPastCalendar && saleTime < pastCalendar_)) {
      return false;
    }
    if (hasDays_ && !(saleTime >= fromDay_ && saleTime < dayAfterTo_)) {
      return false;
    }
    if (wantsNumber_ && !HasNumber(row)) {
      return false;
    }
    return !hasTotal_ || (Price(row) >= lowestTotal_ && Price(row) <= highestTotal_);
  }

  static double SaleTime(const unsigned char* row) {
    return std::bit_cast<double>(
        LittleEndian<std::uint64_t>(row + ReceiptRowRecord::kSaleTime.offset));
  }
  static std::int64_t Price(const unsigned char* row) {
    return LittleEndian<std::int64_t>(row + ReceiptRowRecord::kPrice.offset);
  }

 private:
  bool HasNumber(const unsigned char* row) const;

  // The day bounds are the first day values that DateText, rounding to the second, shows on
  // the day, so that the search finds the date the copy shows.
  double pastCalendar_ = FirstDayValueShownOn(static_cast<std::int64_t>(kFirstDayPastCalendar));
  bool hasDays_ = false;
  double fromDay_ = 0;     // 0 when open: a negative SaleTime never meets a day bound
  double dayAfterTo_ = 0;  // infinity when open
  bool hasTotal_ = false;
  std::int64_t lowestTotal_ = 0;  // the raw totals that meet the criterion
  std::int64_t highestTotal_ = 0;
  bool wantsProduct_ = false;
  std::optional<std::string> product_;  // trimmed, Windows-1252; nothing when no code can match
  bool wantsNumber_ = false;
  std::optional<std::string> digits_;  // without leading zeros; nothing when no number can match
};

}  // namespace kuitti
