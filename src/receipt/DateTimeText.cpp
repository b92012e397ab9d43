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

// Appends the value as exactly `width` digits, zeros in front; cheaper than a formatted print
// when a search lists a hundred thousand receipts.
void AppendDigits(std::string& text, unsigned value, int width) {
  char digits[4];
  for (int i = width; i-- > 0; value /= 10) {
    digits[i] = static_cast<char>('0' + value % 10);
  }
  text.append(digits, static_cast<std::size_t>(width));
}

}  // namespace

std::string DateText(double dayValue) {
  const std::chrono::year_month_day date = DateOfDay(ShownMoment(dayValue).wholeDays);
  const auto year = static_cast<unsigned>(static_cast<int>(date.year()));
  const unsigned month = static_cast<unsigned>(date.month());
  std::string text;
  if (dayValue >= 0) {
    AppendDigits(text, static_cast<unsigned>(date.day()), 2);
    text += '.';
    AppendDigits(text, month, 2);
    text += '.';
    AppendDigits(text, year, 4);
  } else {
    AppendDigits(text, year, 4);
    text += '-';
    AppendDigits(text, month, 2);
  }
  return text;
}

std::string TimeText(double dayValue) {
  const auto seconds = static_cast<unsigned>(ShownMoment(dayValue).seconds);
  std::string text;
  AppendDigits(text, seconds / 3600, 2);
  text += ':';
  AppendDigits(text, seconds / 60 % 60, 2);
  text += ':';
  AppendDigits(text, seconds % 60, 2);
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
