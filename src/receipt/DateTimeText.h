#pragma once

#include <string>

namespace kuitti {

// 1 January 10000: day values of this magnitude or more have no date.
inline constexpr double kFirstDayPastCalendar = 2958466;

// Texts of a day value (days since 30 December 1899, the fraction being the time of day),
// the same whatever the machine's regional settings. A NaN, infinite or out-of-calendar value
// (absolute value 2958466 or more, past the year 9999) fails with error 6.

// "DD.MM.YYYY" for a value of zero or more; "YYYY-MM" of the absolute value below zero.
std::string DateText(double dayValue);

// "hh:mm:ss" of the fraction of the absolute value, rounded to whole seconds, halves up.
std::string TimeText(double dayValue);

}  // namespace kuitti
