#include "receipt/AmountText.h"

#include <charconv>
#include <cmath>

#include "data/DecimalText.h"
#include "data/RuntimeError.h"
#include "data/Utf8.h"

namespace kuitti {
namespace {

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string AmountText(double value, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) {
    RaiseOverflow();
  }
  // "d.dddddddddddddde±x": the 15 significant digits and the decimal exponent, whatever the
  // C locale says about decimal points.
  char scientific[32];
  const auto end = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                                 std::chars_format::scientific, 14)
                       .ptr;
  const std::string significant = std::string(1, scientific[0]) + std::string(scientific + 2, 14);
  int exponent = 0;
  std::from_chars(scientific + 17 + (scientific[17] == '+'), end, exponent);

  // value × 100 = significant × 10^shift
  const int shift = exponent - 12;
  std::string hundredths;
  if (shift >= 0) {
    hundredths = significant + std::string(static_cast<std::size_t>(shift), '0');
  } else if (-shift <= 15) {
    const std::size_t kept = significant.size() - static_cast<std::size_t>(-shift);
    hundredths = kept == 0 ? "0" : significant.substr(0, kept);
    if (significant[kept] >= '5') {
      Increment(hundredths);
    }
  } else {
    hundredths = "0";
  }
  return HundredthsText(value < 0, hundredths, decimalSeparator);
}

std::string RightAligned(std::string_view text, std::size_t width) {
  const std::size_t length = Utf8Length(text);
  if (length <= width) {
    return std::string(width - length, ' ') + std::string(text);
  }
  // Drop leading characters, never splitting one.
  std::size_t drop = length - width;
  std::size_t i = 0;
  while (drop > 0) {
    ++i;
    while (i < text.size() && IsUtf8Continuation(static_cast<unsigned char>(text[i]))) {
      ++i;
    }
    --drop;
  }
  return std::string(text.substr(i));
}

}  // namespace kuitti
