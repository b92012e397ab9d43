#pragma once

#include <string>
#include <string_view>

#include "receipt/ReceiptSearch.h"

namespace kuitti {

// A receipt found, as --find lists it: "M" + VoucherText + "-001", two spaces, DateText, two
// spaces, TimeText, two spaces and the total "0.00" right-aligned in 11 characters; no line
// end.
std::string ListingLine(const ReceiptHit& hit, std::string_view decimalSeparator);
// The same line appended to `lines`, for a listing made in large blocks.
void AppendListingLine(std::string& lines, const ReceiptHit& hit,
                       std::string_view decimalSeparator);

}  // namespace kuitti
