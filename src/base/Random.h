// Uniform random numbers: one program-wide source seeded from the clock, seedable for tests.
#pragma once

#include <cstdint>

namespace gw {

// xoshiro256** seeded through splitmix64: fast, and the same sequence on every platform.
class Rng {
 public:
  explicit Rng(uint64_t seed = 0x9E3779B97F4A7C15ull) { Seed(seed); }
  void Seed(uint64_t seed);
  // Inline: the placement engine draws millions of numbers a run.
  uint64_t Next() {
    const uint64_t result = Rotl(s_[1] * 5, 7) * 9;
    const uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
  }
  // Moves the stream on by n numbers without working them out.
  void Skip(int n) {
    for (; n > 0; --n) {
      const uint64_t t = s_[1] << 17;
      s_[2] ^= s_[0];
      s_[3] ^= s_[1];
      s_[1] ^= s_[2];
      s_[0] ^= s_[3];
      s_[2] ^= t;
      s_[3] = Rotl(s_[3], 45);
    }
  }
  // Uniform integer in 0..n-1 (0 when n <= 0, drawing nothing).
  int Random(int n) {
    if (n <= 0) return 0;
    // Multiply-shift maps 32 random bits onto 0..n-1 without a division.
    return static_cast<int>(((Next() >> 32) * static_cast<uint64_t>(n)) >> 32);
  }

 private:
  static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  uint64_t s_[4];
};

// The program-wide source, seeded from the clock at start-up.
Rng& GlobalRandom();
uint64_t ClockSeed();

}  // namespace gw
