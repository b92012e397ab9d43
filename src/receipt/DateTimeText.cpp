#include "DateTimeText.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>

#include "RuntimeError.h"

namespace kuitti {
namespace {

constexpr int kSecondsPerDay = 86400;

// A day value brought to whole seconds.
struct Moment {
  double wholeDays;
  int seconds;  // of the day, 0 to 86399
};

// The absolute value rounded to the nearest second, halves up; a time that rounds to
// midnight moves to the next day when `carry` is set.
Moment Rounded(double absolute, bool carry) {
  Moment moment{std::floor(absolute), 0};
  moment.seconds =
      static_cast<int>(std::floor((absolute - moment.wholeDays) * kSecondsPerDay + 0.5));
  if (moment.seconds >= kSecondsPerDay) {
    moment.seconds = 0;
    if (carry) {
      moment.wholeDays += 1;
    }
  }
  return moment;
}

// Below zero the date is that of the whole part, as the year-month form always showed it.
Moment ShownMoment(double dayValue) {
  const double absolute = std::fabs(dayValue);
  if (!(absolute < kFirstDayPastCalendar)) {  // also false for NaN
    RaiseOverflow();
  }
  const Moment moment = Rounded(absolute, dayValue >= 0);
  if (!(moment.wholeDays < kFirstDayPastCalendar)) {
    RaiseOverflow();
  }
  return moment;
}

// Day values count from 30 December 1899.
std::chrono::year_month_day DateOfDay(double wholeDays) {
  using namespace std::chrono;
  return sys_days{year{1899} / December / 30} + days{static_cast<std::int64_t>(wholeDays)};
}

// Puts the value as exactly `width` digits, zeros in front, and returns the end. Cheaper
// than a formatted print, or a character at a time, when a search lists a hundred thousand
// receipts.
char* PutDigits(char* at, unsigned value, int width) {
  for (int i = width; i-- > 0; value /= 10) {
    at[i] = static_cast<char>('0' + value % 10);
  }
  return at + width;
}

}  // namespace

char* PutDateText(char* at, double dayValue) {
  const std::chrono::year_month_day date = DateOfDay(ShownMoment(dayValue).wholeDays);
  const auto year = static_cast<unsigned>(static_cast<int>(date.year()));
  const unsigned month = static_cast<unsigned>(date.month());
  if (dayValue >= 0) {
    at = PutDigits(at, static_cast<unsigned>(date.day()), 2);
    *at++ = '.';
    at = PutDigits(at, month, 2);
    *at++ = '.';
    return PutDigits(at, year, 4);
  }
  at = PutDigits(at, year, 4);
  *at++ = '-';
  return PutDigits(at, month, 2);
}

char* PutTimeText(char* at, double dayValue) {
  const auto seconds = static_cast<unsigned>(ShownMoment(dayValue).seconds);
  at = PutDigits(at, seconds / 3600, 2);
  *at++ = ':';
  at = PutDigits(at, seconds / 60 % 60, 2);
  *at++ = ':';
  return PutDigits(at, seconds % 60, 2);
}

void AppendDateText(std::string& text, double dayValue) {
  char shown[kLongestDateText];
  text.append(shown, PutDateText(shown, dayValue));
}

void AppendTimeText(std::string& text, double dayValue) {
  char shown[kTimeTextLength];
  text.append(shown, PutTimeText(shown, dayValue));
}

std::string DateText(double dayValue) {
  std::string text;
  AppendDateText(text, dayValue);
  return text;
}

std::string TimeText(double dayValue) {
  std::string text;
  AppendTimeText(text, dayValue);
  return text;
}

double FirstDayValueShownOn(std::int64_t day) {
  if (day <= 0) {
    return 0;
  }
  const auto shownDay = [](double value) { return Rounded(value, true).wholeDays; };
  const auto target = static_cast<double>(day);
  // The rounding turns to the day about half a second before its midnight; the exact double
  // is found by stepping, the shown day rising with the value.
  double value = target - 0.5 / kSecondsPerDay;
  while (shownDay(value) >= target) {
    value = std::nextafter(value, 0.0);
  }
  while (shownDay(value) < target) {
    value = std::nextafter(value, target);
  }
  return value;
}

}  // namespace kuitti
