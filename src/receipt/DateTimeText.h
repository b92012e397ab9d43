#pragma once

#include <array>
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

inline constexpr std::size_t kLongestDateText = 10;
inline constexpr std::size_t kTimeTextLength = 8;

// Puts DateText and TimeText of day value after day value, as a listing of a hundred thousand
// receipts does. The hits come in file order, a day's together: the last date is kept rather
// than worked out again.
class DateAndTimeWriter {
 public:
  // Both texts put at `at`, which has room for the longest of them, `between` them, from one
  // rounding; returns the end of what it put.
  char* Put(char* at, double dayValue, std::string_view between);

 private:
  double wholeDays_ = -1;  // of the date kept; never a rounded absolute value
  bool belowZero_ = false;
  std::array<char, kLongestDateText> date_{};
  std::size_t dateLength_ = 0;
};

// The least day value from which on DateText shows `day` (a day number as the whole part of
// a day value counts) or a later day; 0 for a day of 0 or less. A value below zero shows no
// day, month and year, so it never reaches a day.
double FirstDayValueShownOn(std::int64_t day);

}  // namespace kuitti
