#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// The "0.00" text of a double: first rounded to 15 significant digits, then half away from
// zero to two decimals; a minus sign when the value is below zero. NaN or infinity fails
// with error 6.
std::string AmountText(double value, std::string_view decimalSeparator);

// The rightmost `width` characters of `width` spaces followed by the text.
std::string RightAligned(std::string_view text, std::size_t width);

}  // namespace kuitti
