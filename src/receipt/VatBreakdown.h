#pragma once

#include <array>
#include <string>

#include "data/Currency.h"
#include "receipt/NumberFormat.h"

namespace kuitti {

// The gross sales of one receipt per VAT percentage, in order of first appearance. Slot 0
// exists but is never used; slots 1 to Count are in use.
struct VatBreakdown {
  static constexpr int kCapacity = 50;

  std::array<std::string, kCapacity + 1> Keys;
  std::array<Currency, kCapacity + 1> Totals;
  int Count = 0;
};

void ClearVatBreakdown(VatBreakdown& breakdown);

// Adds the amount under the key, opening a new slot for a new key. A blank key is ignored;
// a 51st distinct key fails with error 9 before anything is stored.
void AddToVatBreakdown(VatBreakdown& breakdown, std::string key, const Currency& amount);

// Appends the VAT summary block to the copy: the line end that completes the rule before it,
// then tax-free amount, tax and gross per VAT percentage (the key "1" left out) and their
// totals line.
void AppendVatSummary(const VatBreakdown& breakdown, std::string& copy, const NumberFormat& format);

}  // namespace kuitti
