#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "receipt/ReceiptSearch.h"

namespace kuitti {

// A receipt found, as --find lists it: "M" + VoucherText + "-001", two spaces, DateText, two
// spaces, TimeText, two spaces and the total "0.00" right-aligned in 11 characters; no line
// end.
std::string ListingLine(const ReceiptHit& hit, std::string_view decimalSeparator);

// The lines of all the hits, in order, each ended by a line feed, handed to `write` a part of
// `partHits` lines at a time. A search may list a hundred thousand receipts, whose lines take
// as long to format as a tenth of the scan: a second thread formats every other part.
void WriteListing(const std::deque<ReceiptHit>& hits, std::string_view decimalSeparator,
                  const std::function<void(std::string_view)>& write, std::size_t partHits = 16384);

}  // namespace kuitti
