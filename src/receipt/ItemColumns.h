#pragma once

#include <string>
#include <string_view>

namespace kuitti {

// The right-hand columns of an item line: VAT rate (3), quantity (6), price (10) and row sum
// (10), each right-aligned. A quantity of more than five characters would touch or lose
// characters to the rate before it (12,345 kg at 14 % read "1412,345", a return lost its
// minus sign): its field then grows to the right into the price's padding, keeping a space
// before the quantity and one before the price, so the line keeps its width and the price
// its right edge.
std::string ItemColumns(std::string_view vatKey, std::string_view quantity, std::string_view price,
                        std::string_view rowSum);

}  // namespace kuitti
