#include "data/DecimalText.h"

namespace kuitti {

std::string HundredthsText(bool negative, std::string_view hundredthsDigits,
                           std::string_view decimalSeparator) {
  std::string_view digits = hundredthsDigits;
  while (digits.size() > 1 && digits.front() == '0') {
    digits.remove_prefix(1);
  }
  std::string padded(digits.size() < 3 ? 3 - digits.size() : 0, '0');
  padded += digits;

  std::string text = negative ? "-" : "";
  text += std::string_view(padded).substr(0, padded.size() - 2);
  text += decimalSeparator;
  text += std::string_view(padded).substr(padded.size() - 2);
  return text;
}

}  // namespace kuitti
