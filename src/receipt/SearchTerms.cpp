#include "SearchTerms.h"

#include <charconv>
#include <string>

namespace kuitti {
namespace {

constexpr std::int64_t kDaysFromUnixEpochToDayZero = -25569;

// Days since 1 January 1970 of a Gregorian date.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// A whole number of the given digits, from..to of them.
std::optional<int> Number(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
  if (text.size() < minDigits || text.size() > maxDigits || !IsDigits(text)) {
    return std::nullopt;
  }
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

std::optional<std::int32_t> DayNumberOf(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
      kDaysFromUnixEpochToDayZero);
}

std::optional<std::int32_t> ParseDay(std::string_view text) {
  std::optional<int> year, month, day;
  if (const auto dot = text.find('.'); dot != std::string_view::npos) {
    const auto secondDot = text.find('.', dot + 1);
    if (secondDot == std::string_view::npos) {
      return std::nullopt;
    }
    day = Number(text.substr(0, dot), 1, 2);
    month = Number(text.substr(dot + 1, secondDot - dot - 1), 1, 2);
    year = Number(text.substr(secondDot + 1), 4, 4);
  } else if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
    year = Number(text.substr(0, 4), 4, 4);
    month = Number(text.substr(5, 2), 2, 2);
    day = Number(text.substr(8, 2), 2, 2);
  }
  if (!year || !month || !day) {
    return std::nullopt;
  }
  return DayNumberOf(*year, *month, *day);
}

std::optional<TypedAmount> ParseAmount(std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative) {
    text.remove_prefix(1);
  }
  const auto separator = text.find_first_of(",.");
  const std::string_view whole = text.substr(0, separator);
  const std::string_view fraction =
      separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
  if (!IsDigits(whole) || (separator != std::string_view::npos && !IsDigits(fraction)) ||
      fraction.size() > 4) {
    return std::nullopt;
  }
  // Read as a whole number of ten-thousandths, so every value of the range is exact.
  std::int64_t raw = 0;
  std::string digits(whole);
  digits.append(fraction).append(4 - fraction.size(), '0');
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), raw);
  if (error != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return TypedAmount{Currency::FromRaw(negative ? -raw : raw), static_cast<int>(fraction.size())};
}

bool IsDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace kuitti
