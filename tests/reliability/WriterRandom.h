#pragma once

#include <cstdint>

namespace kuitti::test {

// A deterministic stream of numbers for the writer's choices.
inline std::uint64_t Next(std::uint64_t& state) {
  state += 0x9E3779B97F4A7C15;
  std::uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
  return z ^ (z >> 31);
}

}  // namespace kuitti::test
