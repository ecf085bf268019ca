#pragma once
// A small deterministic pseudo-random generator (SplitMix64): the same seed
// gives the same file on every machine and with every standard library.
#include <cstdint>

namespace quenor::gedgen {

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // A number in [0, bound); 0 when bound is not positive.
  int32_t Below(int32_t bound) {
    if (bound <= 0) return 0;
    return static_cast<int32_t>(Next() % static_cast<uint64_t>(bound));
  }

  // A number in [low, high].
  int32_t Between(int32_t low, int32_t high) { return low + Below(high - low + 1); }

  // True `perMille` times out of a thousand.
  bool PerMille(int32_t perMille) { return Below(1000) < perMille; }

  template <typename T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Below(static_cast<int32_t>(N))];
  }

 private:
  uint64_t state_;
};

}  // namespace quenor::gedgen
