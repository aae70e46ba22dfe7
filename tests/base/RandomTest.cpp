// Random source.
#include <gtest/gtest.h>

#include <array>

#include "base/Random.h"

namespace gw {
namespace {

TEST(Random, SeededSequencesRepeatAndStayInRange) {
  Rng a(7), b(7);
  std::array<int, 8> counts{};
  for (int i = 0; i < 8000; ++i) {
    const int x = a.Random(8);
    ASSERT_EQ(x, b.Random(8));
    ASSERT_GE(x, 0);
    ASSERT_LT(x, 8);
    ++counts[x];
  }
  for (int c : counts) EXPECT_GT(c, 800);  // roughly uniform
  EXPECT_EQ(a.Random(0), 0);
  EXPECT_EQ(a.Random(1), 0);
}

}  // namespace
}  // namespace gw
