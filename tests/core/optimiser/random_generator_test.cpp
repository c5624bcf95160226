#include "optimiser/random_generator.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(RandomGenerator, FirstDrawsFromTheDefaultSeed) {
  // state = state * 134775813 + 1 (mod 2^32), worked by hand from 139753.
  RandomGenerator random;
  random.seed(139753);
  EXPECT_EQ(random.Random(96), 42);  // state 1892601230
  EXPECT_EQ(random.state(), 1892601230u);
  EXPECT_EQ(random.RandomReal(), 2994158535.0L / 4294967296.0L);
  EXPECT_EQ(random.Random(96), 5);  // state 224315108
}

TEST(RandomGenerator, NegativeSeedsAreReadAsUnsignedStates) {
  RandomGenerator random;
  random.seed(-5);
  EXPECT_EQ(random.Random(10), 8);  // state 3621088232
}

TEST(RandomGenerator, DrawsStayInRangeAndRepeatFromTheSameSeed) {
  RandomGenerator a, b;
  a.seed(7);
  b.seed(7);
  for (int i = 0; i < 10000; ++i) {
    const auto n = a.Random(3);
    EXPECT_EQ(n, b.Random(3));
    EXPECT_GE(n, 0);
    EXPECT_LT(n, 3);
    const Real u = a.RandomReal();
    EXPECT_EQ(u, b.RandomReal());
    EXPECT_GE(u, 0);
    EXPECT_LT(u, 1);
  }
  EXPECT_EQ(a.Random(0), 0);
}

}  // namespace
}  // namespace morvane
