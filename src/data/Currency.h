#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace kuitti {

// Money and quantities: a signed 64-bit count of ten-thousandths. Arithmetic is exact or
// rounded to four decimals, and every result outside the 64-bit range fails with error 6.
class Currency {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency FromRaw(std::int64_t raw) { return Currency(raw); }
  // Rounds to the nearest ten-thousandth, halves to even.
  static Currency FromDouble(double value);

  constexpr std::int64_t raw() const { return raw_; }
  double ToDouble() const { return static_cast<double>(raw_) / kScale; }

  friend Currency operator+(Currency a, Currency b);
  friend Currency operator-(Currency a, Currency b);
  // Exact product, rounded to four decimals with halves to even.
  friend Currency operator*(Currency a, Currency b);
  Currency& operator+=(Currency other) { return *this = *this + other; }

  friend constexpr auto operator<=>(Currency, Currency) = default;

  // Rounded half away from zero to whole cents, the value that AmountText shows.
  Currency RoundedToCents() const;

  // The "0.00" form: rounded half away from zero to two decimals; every value below zero
  // keeps its minus sign, even one that rounds to zero.
  std::string AmountText(std::string_view decimalSeparator) const;
  // The same put at `at`, which has room for kLongestAmountDigits and the separator; returns
  // the end of what it put. For a listing of a hundred thousand totals.
  static constexpr std::size_t kLongestAmountDigits = 1 + 20;  // a sign and the digits
  char* PutAmountText(char* at, std::string_view decimalSeparator) const;
  // The characters of AmountText with a separator of `separatorLength` characters.
  std::size_t AmountTextLength(std::size_t separatorLength) const;
  // Integer part and, only when there is a fraction, up to four decimals without trailing
  // zeros.
  std::string PlainText(std::string_view decimalSeparator) const;

 private:
  constexpr explicit Currency(std::int64_t raw) : raw_(raw) {}

  std::int64_t raw_ = 0;
};

}  // namespace kuitti
