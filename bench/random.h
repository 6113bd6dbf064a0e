#pragma once
// A small deterministic random source (splitmix64): the generated inputs are the same
// on every machine and every run.
#include <cstddef>
#include <cstdint>

namespace vx4820cal::bench {

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // 0 to bound - 1 (bound > 0).
  size_t Below(size_t bound) { return static_cast<size_t>(Next() % bound); }
  // True in about percent of the calls.
  bool Chance(unsigned percent) { return Below(100) < percent; }

 private:
  uint64_t state_;
};

}  // namespace vx4820cal::bench
