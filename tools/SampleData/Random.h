#pragma once

#include <cstdint>

namespace kuitti::tools {

// splitmix64: tiny, fast and bit-identical everywhere. std:: distributions are
// avoided on purpose because their output differs between standard libraries.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Uniform in [0, n) by multiply-shift; the tiny bias does not matter here.
  std::uint32_t Below(std::uint32_t n) {
    return static_cast<std::uint32_t>(((Next() >> 32) * n) >> 32);
  }

  // Uniform in [lo, hi].
  std::int64_t Between(std::int64_t lo, std::int64_t hi) {
    return lo + Below(static_cast<std::uint32_t>(hi - lo + 1));
  }

  bool Percent(std::uint32_t p) { return Below(100) < p; }
  bool PerMille(std::uint32_t p) { return Below(1000) < p; }
  bool PerMillion(std::uint32_t p) { return Below(1000000) < p; }

 private:
  std::uint64_t state_;
};

}  // namespace kuitti::tools
