#include "receipt/VatBreakdown.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "data/RuntimeError.h"
#include "data/TextTrim.h"
#include "receipt/AmountText.h"
#include "receipt/ReceiptLayout.h"

namespace kuitti {
namespace {

// The numeric value of a key, which is the decimal text of a 16-bit VAT rate.
double KeyValue(std::string_view key) {
  double value = 0;
  std::from_chars(key.data(), key.data() + key.size(), value);
  return value;
}

double CheckedResult(double value) {
  if (!std::isfinite(value)) {
    RaiseOverflow();
  }
  return value;
}

std::string AmountField(double value, const NumberFormat& format) {
  return RightAligned(AmountText(value, format.decimalSeparator), layout::kVatAmountWidth);
}

std::string AmountField(Currency value, const NumberFormat& format) {
  return RightAligned(value.AmountText(format.decimalSeparator), layout::kVatAmountWidth);
}

// A line of the summary, a rate's or the totals': its label, then the tax-free amount, the tax
// and the gross amount, each in its column.
void AppendVatLine(std::string& copy, std::string_view label, std::string_view beforeTaxFree,
                   double taxFree, Currency tax, Currency gross, const NumberFormat& format) {
  copy += label;
  copy += beforeTaxFree;
  copy += AmountField(taxFree, format);
  copy += layout::kBeforeTax;
  copy += AmountField(tax, format);
  copy += layout::kBeforeGross;
  copy += AmountField(gross, format);
  copy += layout::kLineEnd;
}

}  // namespace

void ClearVatBreakdown(VatBreakdown& breakdown) {
  for (int i = 1; i <= VatBreakdown::kCapacity; ++i) {
    breakdown.Totals[i] = Currency();
    breakdown.Keys[i].clear();
  }
  breakdown.Count = 0;
}

void AddToVatBreakdown(VatBreakdown& breakdown, std::string key, const Currency& amount) {
  if (TrimSpaces(key).empty()) {
    return;
  }
  bool matched = false;
  for (int i = 1; i <= breakdown.Count; ++i) {
    if (breakdown.Keys[i] == key) {
      breakdown.Totals[i] += amount;
      matched = true;
    }
  }
  if (matched) {
    return;
  }
  const int slot = breakdown.Count + 1;
  if (slot > VatBreakdown::kCapacity) {
    throw RuntimeError(
        kSubscriptOutOfRange,
        "Kuitilla on yli " + std::to_string(VatBreakdown::kCapacity) + " eri ALV-prosenttia");
  }
  breakdown.Count = slot;
  breakdown.Keys[slot] = std::move(key);
  breakdown.Totals[slot] += amount;
}

void AppendVatSummary(const VatBreakdown& breakdown, std::string& copy,
                      const NumberFormat& format) {
  using layout::kLineEnd;
  copy += kLineEnd;
  copy += kLineEnd;
  copy += kLineEnd;
  copy += layout::kVatHeader;
  copy += kLineEnd;

  double taxFreeSum = 0;
  Currency taxSum;
  Currency grossSum;
  for (int i = 1; i <= breakdown.Count; ++i) {
    const std::string& key = breakdown.Keys[i];
    if (TrimSpaces(key) == "1") {
      continue;
    }
    const double rate = KeyValue(key);
    const Currency gross = breakdown.Totals[i];
    const double divisor = rate / 100 + 1;
    if (divisor == 0) {
      throw RuntimeError(kDivisionByZero, "Jako nollalla: ALV-prosentti " + key);
    }
    const double taxFree = CheckedResult(gross.ToDouble() / divisor);
    const Currency tax = Currency::FromDouble(CheckedResult(rate * taxFree / 100));

    AppendVatLine(copy, RightAligned(key, layout::kVatKeyWidth), layout::kBeforeTaxFree, taxFree,
                  tax, gross, format);

    grossSum += gross;
    taxFreeSum = CheckedResult(taxFreeSum + taxFree);
    taxSum += tax;
  }
  copy += layout::kRule;
  copy += kLineEnd;
  AppendVatLine(copy, layout::kVatTotalsLabel, layout::kBeforeTotalsTaxFree, taxFreeSum, taxSum,
                grossSum, format);
}

}  // namespace kuitti
