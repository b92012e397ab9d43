#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "data/Currency.h"

namespace kuitti {

// The day number (days since 30 December 1899, as the whole part of a day value) of a
// calendar date of the years 1 to 9999; nothing for a date that does not exist.
std::optional<std::int32_t> DayNumberOf(int year, int month, int day);

// The numbers of a day written "DD.MM.YYYY" (one-digit day and month allowed) or
// "YYYY-MM-DD", whether or not that day exists.
struct WrittenDay {
  int year = 0;
  int month = 0;
  int day = 0;
};
std::optional<WrittenDay> ReadDayForm(std::string_view text);

// The day number of a day so written; nothing also for a day that does not exist.
std::optional<std::int32_t> ParseDay(std::string_view text);

// An amount as typed: its value and the number of decimals written.
struct TypedAmount {
  Currency value;
  int decimals = 0;
};

// An amount with a comma or a point as the decimal separator, a leading minus and up to four
// decimals: "20,19", "20.19", "-0,01", "7"; any amount a total can hold, from
// -922337203685477,5808 to 922337203685477,5807, and nothing beyond.
std::optional<TypedAmount> ParseAmount(std::string_view text);

// One or more of the digits 0 to 9 and nothing else.
bool IsDigits(std::string_view text);

}  // namespace kuitti
