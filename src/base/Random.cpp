// Random number source.
#include "base/Random.h"

#include <chrono>

namespace gw {

namespace {
uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
uint64_t Rotl(uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}
}  // namespace

void Rng::Seed(uint64_t seed) {
  for (uint64_t& word : s_) word = SplitMix(seed);
}

uint64_t Rng::Next() {
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

int Rng::Random(int n) {
  if (n <= 0) return 0;
  // Multiply-shift maps 32 random bits onto 0..n-1 without a division.
  return static_cast<int>(((Next() >> 32) * static_cast<uint64_t>(n)) >> 32);
}

uint64_t ClockSeed() {
  return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
         static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

Rng& GlobalRandom() {
  static Rng rng(ClockSeed());
  return rng;
}

}  // namespace gw
