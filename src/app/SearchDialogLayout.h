#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kuitti::search_dialog {

// "Etsi kuitti": its texts, fields and result columns, the same in every toolkit. Its layout is
// left to the toolkit: the day range ("Päivä", ticked, from "Alkaen" to "Asti", both today when
// the dialog opens), the three fields, the buttons, the list and the summary line below it.
inline constexpr std::string_view kTitle = "Etsi kuitti";
inline constexpr std::string_view kDays = "Päivä";
inline constexpr std::string_view kFromDay = "Alkaen";
inline constexpr std::string_view kToDay = "Asti";
inline constexpr std::string_view kTotal = "Yhteensä";
inline constexpr std::string_view kTotalHint = "esim. 20,19";
inline constexpr std::string_view kProduct = "Tuotekoodi";
inline constexpr std::string_view kNumber = "Tositenumero";
inline constexpr std::string_view kNumberHint = "etunollia ei tarvita";
inline constexpr std::string_view kSearch = "Etsi";  // the default button
inline constexpr std::string_view kClose = "Sulje";  // and Escape

// A product code is at most as long as its field in the files.
inline constexpr std::size_t kLongestProductCode = 13;

// What the total field lets through as typed, a regular expression for its whole text: a minus,
// up to 14 digits, a comma or a point and up to four decimals.
inline constexpr std::string_view kTotalPattern = "-?[0-9]{0,14}([.,][0-9]{0,4})?";

// The number field takes digits only, as many as typed.
inline constexpr std::string_view kNumberPattern = "[0-9]*";

struct Column {
  std::string_view heading;
  bool rightAligned;
};
// The number, day and time fit their texts; the total takes the rest of the width.
inline constexpr std::array<Column, 4> kColumns = {{
    {"Tositenumero", false},
    {"Päivä", false},
    {"Aika", false},
    {"Yhteensä", true},
}};

// Rows shown at most: the most recent ones, and the summary says how many matched.
inline constexpr std::size_t kMostShown = 1000;

}  // namespace kuitti::search_dialog
