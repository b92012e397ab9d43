#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kuitti {

// 1 January 10000: day values of this magnitude or more have no date.
inline constexpr double kFirstDayPastCalendar = 2958466;

// Texts of a day value (days since 30 December 1899, the fraction being the time of day),
// the same whatever the machine's regional settings. The value is rounded to the nearest
// second, halves up, once for both texts: at zero or more a time that rounds to midnight
// shows midnight of the next day; below zero the date stays that of the whole part of the
// absolute value. A NaN, infinite or out-of-calendar value (absolute value 2958466 or more,
// or one that rounds past 31.12.9999) fails with error 6.

// "DD.MM.YYYY" for a value of zero or more; "YYYY-MM" of the absolute value below zero.
std::string DateText(double dayValue);

// "hh:mm:ss" of the fraction of the absolute value.
std::string TimeText(double dayValue);

// Both texts put at `at`, which has room for them, `between` them, from one rounding; returns
// the end of what it put. For a listing of a hundred thousand lines.
inline constexpr std::size_t kLongestDateText = 10;
inline constexpr std::size_t kTimeTextLength = 8;
char* PutDateAndTimeText(char* at, double dayValue, std::string_view between);

// The least day value from which on DateText shows `day` (a day number as the whole part of
// a day value counts) or a later day; 0 for a day of 0 or less. A value below zero shows no
// day, month and year, so it never reaches a day.
double FirstDayValueShownOn(std::int64_t day);

}  // namespace kuitti
