#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "data/Records.h"
#include "receipt/DateTimeText.h"
#include "receipt/FieldPatterns.h"
#include "receipt/ReceiptSearch.h"
#include "receipt/RowSelector.h"

namespace kuitti {

// The search criteria turned into tests on a receipt row's raw bytes, so the scan decodes
// nothing: the number and the product code as the few fields that show as them, the total as
// a range of stored values. Codes and digits are encoded once, up front.
class RowCriteria {
 public:
  using ProductWord = FieldKey<ReceiptRowRecord::kProductCode.width>::Word;

  explicit RowCriteria(const SearchCriteria& criteria);

  static bool IsRendered(const unsigned char* row) {
    return IsRenderedKind(row[ReceiptRowRecord::kKind.offset]);
  }

  static bool IsTotalsRow(const unsigned char* row) {
    using Code = FieldKey<ReceiptRowRecord::kProductCode.width>;
    return Code::Of(row + ReceiptRowRecord::kProductCode.offset) == Code::Filled(' ');
  }

  bool WantsProduct() const { return wantsProduct_; }
  // For an item row: whether it is rendered and its trimmed product code is the one looked
  // for.
  bool HasProduct(const unsigned char* row) const {
    return product_.Contains(row + ReceiptRowRecord::kProductCode.offset) && IsRendered(row);
  }

  // Whether the row is a rendered totals row with a date that meets the day, total and
  // number criteria. The tests that rule out most rows come first.
  bool MeetsRowCriteria(const unsigned char* row) const {
    if (wantsNumber_ && !number_.Contains(row + ReceiptRowRecord::kVoucherNumber.offset)) {
      return false;
    }
    if (hasTotal_ && !(Price(row) >= lowestTotal_ && Price(row) <= highestTotal_)) {
      return false;
    }
    const double saleTime = SaleTime(row);
    if (hasDays_ && !(saleTime >= fromDay_ && saleTime < dayAfterTo_)) {
      return false;
    }
    // No date, where DateText fails.
    if (!(saleTime > -kFirstDayPastCalendar && saleTime < pastCalendar_)) {
      return false;
    }
    return IsTotalsRow(row) && IsRendered(row);
  }

  // A first look at one field without a branch, true at least for every row that
  // MeetsRowCriteria: the number's field where a number is asked for, else the total, else the
  // day, else whether it is a totals row.
  bool MeetsAtFirstSight(const unsigned char* row) const {
    if (wantsNumber_) {
      return number_.Contains(row + ReceiptRowRecord::kVoucherNumber.offset);
    }
    if (hasTotal_) {
      const std::int64_t price = Price(row);
      return (price >= lowestTotal_) & (price <= highestTotal_);
    }
    if (hasDays_) {
      const double saleTime = SaleTime(row);
      return (saleTime >= fromDay_) & (saleTime < dayAfterTo_);
    }
    return IsTotalsRow(row);
  }

  // For a search with a product, a first test without a branch, true at least for every item
  // row with the product and every totals row: totals and item rows alternate irregularly, so
  // a branch on which a row is would often be mispredicted.
  // Only the code's first word is read: one load a row.
  bool MayMatterAtFirstSight(const unsigned char* row) const {
    const ProductWord first = ProductFirstWordOf(row);
    const bool blank = first == kBlankProductWord;
    const bool product = product_.ContainsFirstWord(first);
    return blank | product;
  }
  // The same for a code whose every field starts with `productFirstWord`, compared in a
  // register rather than against a list.
  static bool MayMatterAtFirstSight(const unsigned char* row, ProductWord productFirstWord) {
    const ProductWord first = ProductFirstWordOf(row);
    return (first == kBlankProductWord) | (first == productFirstWord);
  }
  // The first word that every field holding the product code starts with, if they share
  // one: a code that fills the field, as nearly every one does, has one place in it.
  std::optional<ProductWord> ProductFirstWord() const { return product_.SharedFirstWord(); }

  static double SaleTime(const unsigned char* row) {
    return std::bit_cast<double>(
        LittleEndian<std::uint64_t>(row + ReceiptRowRecord::kSaleTime.offset));
  }
  static std::int64_t Price(const unsigned char* row) {
    return LittleEndian<std::int64_t>(row + ReceiptRowRecord::kPrice.offset);
  }

 private:
  static constexpr ProductWord kBlankProductWord =
      FieldKey<ReceiptRowRecord::kProductCode.width>::Filled(' ').first;

  static ProductWord ProductFirstWordOf(const unsigned char* row) {
    ProductWord first;
    std::memcpy(&first, row + ReceiptRowRecord::kProductCode.offset, sizeof first);
    return first;
  }

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
  FieldPatterns<ReceiptRowRecord::kProductCode.width> product_;  // none when no code can match
  bool wantsNumber_ = false;
  FieldPatterns<ReceiptRowRecord::kVoucherNumber.width> number_;  // none when no number can
};

// The fields of `width` bytes that trimmed of spaces are the code (Windows-1252); none for a
// blank code, which no item row has.
std::vector<std::string> CodeFields(std::string_view code, int width);

// The fields of `width` bytes that trimmed of spaces are all digits and the same number as
// the digits.
std::vector<std::string> NumberFields(std::string_view digits, int width);

}  // namespace kuitti
