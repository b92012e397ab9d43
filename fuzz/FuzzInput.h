#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kuitti::fuzz {

// How one fuzz input is laid out:
//   byte 0        flags: bit n (0..3) set = data file n (CASSA.001, .002, .004, .005) missing;
//                 bit 4 set = a point as the decimal separator instead of a comma;
//                 bits 5, 6, 7 set = the search takes the entry as its day range, its total,
//                 its product code and number
//   byte 1        length of the entry
//   entry bytes   what the user typed
//   then, for CASSA.001, .002 and .004: a 16-bit little-endian length and that many bytes
//   the rest      CASSA.005
// Lengths longer than what is left are cut to what is left.
struct FuzzInput {
  std::uint8_t flags = 0;
  std::string entry;
  std::string files[4];
};

FuzzInput SplitFuzzInput(const std::uint8_t* data, std::size_t size);
std::string JoinFuzzInput(const FuzzInput& input);

}  // namespace kuitti::fuzz
