#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kuitti::search_dialog {

// "Etsi kuitti": its texts, fields and result columns, the same in every toolkit (what its fields
// let through is in SearchFieldRules.h). Its layout is
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

enum class Alignment { kLeft, kRight };

// A column of the result list: its heading, its width in pixels at 96 DPI (0 for the rest of
// the list's width) and how its heading and cells align.
struct Column {
  std::string_view heading;
  int width;
  Alignment alignment;
};

// The number, day and time fit their texts; the total takes the rest of the width.
inline constexpr std::array<Column, 4> kColumns = {{
    {"Tositenumero", 110, Alignment::kLeft},
    {"Päivä", 90, Alignment::kLeft},
    {"Aika", 80, Alignment::kLeft},
    {"Yhteensä", 0, Alignment::kRight},
}};

// Rows shown at most: the most recent ones, and the summary says how many matched.
inline constexpr std::size_t kMostShown = 1000;

}  // namespace kuitti::search_dialog
