#include "DateTimeText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "RuntimeError.h"

namespace kuitti {
namespace {

constexpr double kFirstDayPastCalendar = 2958466;  // 1 January 10000
constexpr std::int64_t kDaysFromDayZeroToUnixEpoch = 25569;
constexpr int kSecondsPerDay = 86400;

struct CivilDate {
  int year;
  int month;
  int day;
};

// Gregorian date of a count of days since 1 January 1970.
CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

double CheckedAbsolute(double dayValue) {
  const double absolute = std::fabs(dayValue);
  if (!(absolute < kFirstDayPastCalendar)) {  // also false for NaN
    RaiseOverflow();
  }
  return absolute;
}

CivilDate DateOfDay(double wholeDays) {
  return CivilFromDays(static_cast<std::int64_t>(wholeDays) - kDaysFromDayZeroToUnixEpoch);
}

}  // namespace

std::string DateText(double dayValue) {
  const double absolute = CheckedAbsolute(dayValue);
  const CivilDate date = DateOfDay(std::floor(absolute));
  char text[16];
  if (dayValue >= 0) {
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02d", date.year, date.month);
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
