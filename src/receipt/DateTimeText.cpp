#include "DateTimeText.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>

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
  const double absolute = CheckedAbsolute(dayValue);
  const std::chrono::year_month_day date = DateOfDay(std::floor(absolute));
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
  const double absolute = CheckedAbsolute(dayValue);
  const double fraction = absolute - std::floor(absolute);
  auto seconds = static_cast<int>(std::floor(fraction * kSecondsPerDay + 0.5));
  if (seconds >= kSecondsPerDay) {
    seconds = 0;
  }
  std::string text;
  AppendDigits(text, static_cast<unsigned>(seconds / 3600), 2);
  text += ':';
  AppendDigits(text, static_cast<unsigned>(seconds / 60 % 60), 2);
  text += ':';
  AppendDigits(text, static_cast<unsigned>(seconds % 60), 2);
  return text;
}

}  // namespace kuitti
