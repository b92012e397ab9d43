#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// Lays out a non-negative count of hundredths, given as decimal digits, in the "0.00" form:
// at least one integer digit, exactly two decimals, no grouping.
std::string HundredthsText(bool negative, std::string_view hundredthsDigits,
                           std::string_view decimalSeparator);

}  // namespace kuitti
