// Circular shifts of a column of start counts.
#include <gtest/gtest.h>

#include "staffing/start_shift.h"

namespace morvane {
namespace {

TEST(ShiftStarts, MovesAcrossMidnightBothWays) {
  PeriodCounts starts{};
  starts[95] = 3;
  PeriodCounts forward = starts;
  ShiftStarts(forward, 1, ShiftDirection::Forward);
  EXPECT_EQ(forward[0], 3);
  EXPECT_EQ(forward[95], 0);
  PeriodCounts backward = starts;
  ShiftStarts(backward, 1, ShiftDirection::Backward);
  EXPECT_EQ(backward[94], 3);
  EXPECT_EQ(backward[95], 0);
}

TEST(ShiftStarts, ForwardThenBackwardRestoresAndNonPositiveAmountsDoNothing) {
  PeriodCounts starts{};
  for (int p = 0; p < kPeriods; ++p) starts[p] = p * 7 % 5 - 1;
  PeriodCounts shifted = starts;
  ShiftStarts(shifted, 4, ShiftDirection::Forward);
  EXPECT_EQ(shifted[4], starts[0]);
  EXPECT_EQ(shifted[1], starts[93]);
  ShiftStarts(shifted, 4, ShiftDirection::Backward);
  EXPECT_EQ(shifted, starts);
  ShiftStarts(shifted, 96, ShiftDirection::Forward);  // a whole day round
  EXPECT_EQ(shifted, starts);
  ShiftStarts(shifted, 0, ShiftDirection::Forward);
  ShiftStarts(shifted, -3, ShiftDirection::Backward);
  EXPECT_EQ(shifted, starts);
}

}  // namespace
}  // namespace morvane
