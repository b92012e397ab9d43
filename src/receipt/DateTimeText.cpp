#include "DateTimeText.h"

#include <chrono>
#include <cmath>
#include <cstdio>

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

}  // namespace

std::string DateText(double dayValue) {
  const std::chrono::year_month_day date = DateOfDay(ShownMoment(dayValue).wholeDays);
  const int year = static_cast<int>(date.year());
  const unsigned month = static_cast<unsigned>(date.month());
  char text[16];
  if (dayValue >= 0) {
    std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(date.day()), month,
                  year);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02u", year, month);
  }
  return text;
}

std::string TimeText(double dayValue) {
  const int seconds = ShownMoment(dayValue).seconds;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
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
