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

// Skipping numbers leaves the stream where drawing them would, and Random(n <= 0) draws none:
// the placement engine relies on both to draw exactly as a scan of every start cell does.
TEST(Random, SkippingEqualsDrawingAndEmptyRangesDrawNothing) {
  for (int n : {0, 1, 2, 17, 1000}) {
    Rng drawn(n + 3), skipped(n + 3);
    for (int k = 0; k < n; ++k) drawn.Next();
    skipped.Skip(n);
    EXPECT_EQ(drawn.Next(), skipped.Next()) << n;
  }
  Rng a(5), b(5);
  EXPECT_EQ(a.Random(0) + a.Random(-4), 0);
  EXPECT_EQ(a.Next(), b.Next());
}

}  // namespace
}  // namespace gw
