#include "data/Currency.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "data/RuntimeError.h"

namespace kuitti {
namespace {

__extension__ using Int128 = __int128;

std::uint64_t Magnitude(std::int64_t value) {
  return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

// The whole cents of the magnitude, rounded half away from zero: what the amount shows.
std::uint64_t ShownCents(std::int64_t raw) {
  return (Magnitude(raw) + 50) / 100;
}

std::int64_t CheckedNarrow(Int128 value) {
  if (value < std::numeric_limits<std::int64_t>::min() ||
      value > std::numeric_limits<std::int64_t>::max()) {
    RaiseOverflow();
  }
  return static_cast<std::int64_t>(value);
}

}  // namespace

Currency Currency::FromDouble(double value) {
  // 2^63 is exact in double; the range check must happen on the scaled value.
  constexpr double kLimit = 9223372036854775808.0;
  const double scaled = std::nearbyint(value * static_cast<double>(kScale));
  if (!std::isfinite(scaled) || scaled < -kLimit || scaled >= kLimit) {
    RaiseOverflow();
  }
  return Currency(static_cast<std::int64_t>(scaled));
}

Currency operator+(Currency a, Currency b) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a.raw_, b.raw_, &sum)) {
    RaiseOverflow();
  }
  return Currency(sum);
}

Currency operator-(Currency a, Currency b) {
  std::int64_t difference = 0;
  if (__builtin_sub_overflow(a.raw_, b.raw_, &difference)) {
    RaiseOverflow();
  }
  return Currency(difference);
}

Currency operator*(Currency a, Currency b) {
  const Int128 product = static_cast<Int128>(a.raw_) * b.raw_;
  const bool negative = product < 0;
  const Int128 magnitude = negative ? -product : product;
  Int128 quotient = magnitude / Currency::kScale;
  const Int128 remainder = magnitude % Currency::kScale;
  if (remainder > Currency::kScale / 2 ||
      (remainder == Currency::kScale / 2 && quotient % 2 != 0)) {
    ++quotient;
  }
  return Currency(CheckedNarrow(negative ? -quotient : quotient));
}

Currency Currency::RoundedToCents() const {
  // Cannot overflow: the extremes of the range lie less than half a cent from a whole cent.
  const auto cents = static_cast<std::int64_t>(ShownCents(raw_));
  return Currency((raw_ < 0 ? -cents : cents) * 100);
}

std::string Currency::AmountText(std::string_view decimalSeparator) const {
  std::string text(kLongestAmountDigits + decimalSeparator.size(), '\0');
  text.resize(static_cast<std::size_t>(PutAmountText(text.data(), decimalSeparator) - text.data()));
  return text;
}

namespace {

// The digits of a whole number, at least one.
std::size_t DigitCount(std::uint64_t value) {
  std::size_t count = 1;
  for (; value >= 10; value /= 10) {
    ++count;
  }
  return count;
}

}  // namespace

std::size_t Currency::AmountTextLength(std::size_t separatorLength) const {
  return (raw_ < 0 ? 1 : 0) + DigitCount(ShownCents(raw_) / 100) + separatorLength + 2;
}

char* Currency::PutAmountText(char* at, std::string_view decimalSeparator) const {
  const std::uint64_t hundredths = ShownCents(raw_);
  if (raw_ < 0) {
    *at++ = '-';
  }
  // Each digit put in its place, without a copy whose length the compiler does not know:
  // a search may list a hundred thousand totals.
  std::uint64_t units = hundredths / 100;
  const std::size_t digits = DigitCount(units);
  for (std::size_t i = digits; i-- > 0; units /= 10) {
    at[i] = static_cast<char>('0' + units % 10);
  }
  at += digits;
  for (const char byte : decimalSeparator) {
    *at++ = byte;
  }
  *at++ = static_cast<char>('0' + hundredths / 10 % 10);
  *at++ = static_cast<char>('0' + hundredths % 10);
  return at;
}

std::string Currency::PlainText(std::string_view decimalSeparator) const {
  const std::uint64_t magnitude = Magnitude(raw_);
  std::string text = raw_ < 0 ? "-" : "";
  text += std::to_string(magnitude / kScale);
  std::uint64_t fraction = magnitude % kScale;
  if (fraction != 0) {
    std::string digits = std::to_string(fraction + kScale).substr(1);
    digits.erase(digits.find_last_not_of('0') + 1);
    text += decimalSeparator;
    text += digits;
  }
  return text;
}

}  // namespace kuitti
