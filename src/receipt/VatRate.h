#pragma once

#include <cstdint>
#include <string>

namespace kuitti {

// How the copy reads the VAT rate a till stored with a row: the key the row is shown and
// summed under (its whole percent as decimal text), and whether the copy can show it: the
// summary's key has two characters, and a rate of 100 % or more is no rate. How a till
// stores a rate with a fraction, if it ever does, is decided here.
struct VatRate {
  std::string key;
  bool showable = true;
};

inline VatRate ReadVatRate(std::int16_t stored) {
  return {std::to_string(stored), stored >= -9 && stored <= 99};
}

}  // namespace kuitti
