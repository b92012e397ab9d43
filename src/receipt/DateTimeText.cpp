#include "DateTimeText.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "RuntimeError.h"

namespace kuitti {
namespace {

constexpr int kSecondsPerDay = 86400;

double CheckedAbsolute(double dayValue) {
  const double absolute = std::fabs(dayValue);
  if (!(absolute < kFirstDayPastCalendar)) {  // also false for NaN
    RaiseOverflow();
  }
  return absolute;
}

// Day values count from 30 December 1899.
std::chrono::year_month_day DateOfDay(double wholeDays) {
  using namespace std::chrono;
  return sys_days{year{1899} / December / 30} + days{static_cast<std::int64_t>(wholeDays)};
}

}  // namespace

std::string DateText(double dayValue) {
  const double absolute = CheckedAbsolute(dayValue);
  const std::chrono::year_month_day date = DateOfDay(std::floor(absolute));
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
  const double absolute = CheckedAbsolute(dayValue);
  const double fraction = absolute - std::floor(absolute);
  auto seconds = static_cast<int>(std::floor(fraction * kSecondsPerDay + 0.5));
  if (seconds >= kSecondsPerDay) {
    seconds = 0;
  }
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

}  // namespace kuitti
