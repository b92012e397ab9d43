#pragma once

#include <string>
#include <string_view>

namespace kuitti::layout {

// The fixed texts of the receipt copy. The frame, column header and item rows are 74
// characters wide; lines end with CR LF, except the closing line.
inline constexpr std::string_view kLineEnd = "\r\n";
// A character of a text field as shown: control characters become spaces so the columns stay.
constexpr char32_t Shown(char32_t c) {
  return (c < 0x20 || c == 0x7F) ? U' ' : c;
}
inline constexpr std::size_t kWidth = 74;
inline const std::string kRule(kWidth, '-');
inline const std::string kClosingLine(kWidth, '=');

inline constexpr std::string_view kHeadingStart = "Kuittikopio, tositenumero M";
inline constexpr std::string_view kVoucherSuffix = "-001";
inline constexpr std::string_view kColumnHeader =
    "Tuotekoodi    Rivi Tuote                     Alv   Kpl     Hinta Rivisumma";

// Item rows: code, space, row number, two spaces, name, space, then the right-aligned
// columns VAT, quantity, price and row sum.
inline constexpr std::string_view kAfterCode = " ";
inline constexpr std::string_view kAfterRowNumber = "  ";
inline constexpr std::string_view kAfterName = " ";
inline constexpr std::size_t kVatWidth = 3;
inline constexpr std::size_t kQuantityWidth = 6;
inline constexpr std::size_t kPriceWidth = 10;
inline constexpr std::size_t kRowSumWidth = 10;

// The totals block.
inline constexpr std::string_view kTotalLabel = "Yhteensä ";
inline constexpr std::string_view kRoundingLabel = "Pyöristys";
inline constexpr std::string_view kPaidLabel = "Maksettu ";
inline constexpr std::string_view kPrintedLabel = "Alkuperäinen kuitti tulostettu: ";
inline constexpr std::string_view kBetweenDateAndTime = "  ";
inline constexpr std::size_t kTotalsAmountWidth = 11;

// The VAT summary: a line per rate, then a rule and the totals line, whose label is one
// character wider than a rate and so takes one space less after it.
inline constexpr std::string_view kVatHeader = "ALV-%    Veroton          Vero      Tuotemyynti";
inline constexpr std::string_view kVatTotalsLabel = "Yht";
inline constexpr std::size_t kVatKeyWidth = 2;
inline constexpr std::string_view kBeforeTaxFree = "   ";
inline constexpr std::string_view kBeforeTotalsTaxFree = "  ";
inline constexpr std::string_view kBeforeTax = "   ";
inline constexpr std::string_view kBeforeGross = "      ";
inline constexpr std::size_t kVatAmountWidth = 11;

inline constexpr std::string_view kNotFoundStart = "Kuittia ei löydy tositenumerolla M";

}  // namespace kuitti::layout
