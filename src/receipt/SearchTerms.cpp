#include "receipt/SearchTerms.h"

#include <charconv>
#include <chrono>
#include <limits>
#include <string>

namespace kuitti {
namespace {

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
  using namespace std::chrono;
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) {
    return std::nullopt;
  }
  const year_month_day date{std::chrono::year{year},
                            std::chrono::month{static_cast<unsigned>(month)},
                            std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok()) {
    return std::nullopt;
  }
  // Day values count from 30 December 1899.
  return (sys_days{date} - sys_days{std::chrono::year{1899} / December / 30}).count();
}

std::optional<WrittenDay> ReadDayForm(std::string_view text) {
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
  return WrittenDay{*year, *month, *day};
}

std::optional<std::int32_t> ParseDay(std::string_view text) {
  const auto written = ReadDayForm(text);
  return written ? DayNumberOf(written->year, written->month, written->day) : std::nullopt;
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
  // Read as a whole number of ten-thousandths, so every value of the range is exact; the
  // magnitude of the smallest one, 2^63, is one more than the largest.
  std::uint64_t magnitude = 0;
  std::string digits(whole);
  digits.append(fraction).append(4 - fraction.size(), '0');
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  const std::uint64_t largest =
      static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
  if (error != std::errc() || end != digits.data() + digits.size() || magnitude > largest) {
    return std::nullopt;
  }
  const std::int64_t raw =
      negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  return TypedAmount{Currency::FromRaw(raw), static_cast<int>(fraction.size())};
}

bool IsDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace kuitti
