#include "receipt/DateTimeText.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>

#include "data/RuntimeError.h"

namespace kuitti {
namespace {

constexpr int kSecondsPerDay = 86400;

// A day value brought to whole seconds.
struct Moment {
  double wholeDays;
  int seconds;  // of the day, 0 to 86399
};

// The absolute value rounded to the nearest second, halves up; a time that rounds to
// midnight moves to the next day when `carry` is set. The value is neither below zero nor
// past what an integer holds, so a cast, which cuts toward zero, is the floor of each part:
// a listing does this a hundred thousand times.
Moment Rounded(double absolute, bool carry) {
  Moment moment{static_cast<double>(static_cast<std::int64_t>(absolute)), 0};
  moment.seconds = static_cast<int>((absolute - moment.wholeDays) * kSecondsPerDay + 0.5);
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

// The date of a value rounded to `moment`.
char* PutDate(char* at, const Moment& moment, bool belowZero) {
  const std::chrono::year_month_day date = DateOfDay(moment.wholeDays);
  const auto year = static_cast<unsigned>(static_cast<int>(date.year()));
  const unsigned month = static_cast<unsigned>(date.month());
  if (!belowZero) {
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

char* PutTime(char* at, const Moment& moment) {
  const auto seconds = static_cast<unsigned>(moment.seconds);
  at = PutDigits(at, seconds / 3600, 2);
  *at++ = ':';
  at = PutDigits(at, seconds / 60 % 60, 2);
  *at++ = ':';
  return PutDigits(at, seconds % 60, 2);
}

}  // namespace

char* DateAndTimeWriter::Put(char* at, double dayValue, std::string_view between) {
  const Moment moment = ShownMoment(dayValue);
  const bool belowZero = dayValue < 0;
  if (moment.wholeDays != wholeDays_ || belowZero != belowZero_) {
    dateLength_ = static_cast<std::size_t>(PutDate(date_.data(), moment, belowZero) - date_.data());
    wholeDays_ = moment.wholeDays;
    belowZero_ = belowZero;
  }
  // The whole kept date is copied, a fixed length copied in place; only its own length counts.
  std::copy(date_.begin(), date_.end(), at);
  at += dateLength_;
  at = std::copy(between.begin(), between.end(), at);
  return PutTime(at, moment);
}

std::string DateText(double dayValue) {
  char shown[kLongestDateText];
  return std::string(shown, PutDate(shown, ShownMoment(dayValue), dayValue < 0));
}

std::string TimeText(double dayValue) {
  char shown[kTimeTextLength];
  return std::string(shown, PutTime(shown, ShownMoment(dayValue)));
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
