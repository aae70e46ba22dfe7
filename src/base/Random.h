// Uniform random numbers: one program-wide source seeded from the clock, seedable for tests.
#pragma once

#include <cstdint>

namespace gw {

// xoshiro256** seeded through splitmix64: fast, and the same sequence on every platform.
class Rng {
 public:
  explicit Rng(uint64_t seed = 0x9E3779B97F4A7C15ull) { Seed(seed); }
  void Seed(uint64_t seed);
  uint64_t Next();
  // Uniform integer in 0..n-1 (0 when n <= 0).
  int Random(int n);

 private:
  uint64_t s_[4];
};

// The program-wide source, seeded from the clock at start-up.
Rng& GlobalRandom();
uint64_t ClockSeed();

}  // namespace gw
