#include "report/axis_scale.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(AxisScale, EndsAndTicks) {
  const AxisScale day = FitAxis(0, 1440, AxisEnd::Exact, AxisEnd::Exact);
  EXPECT_EQ(day.maximum, 1440);
  EXPECT_EQ(day.step, 200);
  EXPECT_EQ(FitAxis(0, 2, AxisEnd::Exact, AxisEnd::Exact, 1).step, 1);
  EXPECT_EQ(FitAxis(0, 25, AxisEnd::Exact, AxisEnd::Outward).maximum, 30);  // 25 lies on a tick
  // Never negative: a little room below 0, the first label 0 (not "-0").
  const AxisScale minutes = FitAxis(0, 480, AxisEnd::Outward, AxisEnd::Outward);
  EXPECT_DOUBLE_EQ(minutes.minimum, -0.03 * 480);
  EXPECT_EQ(1 / minutes.firstTick(), 1 / 0.0);
  EXPECT_EQ(FitAxis(1830, 2470, AxisEnd::Outward, AxisEnd::Outward).minimum, 1800);
}

// Outward ends, or an exact end at 0 (counts, minutes, fixed limits).
TEST(AxisScale, AnySpanGetsFourToEightLabels) {
  for (double span = 0.0013; span < 1e7; span *= 1.37)
    for (const double low : {0.0, 0.37 * span, 1000.0})
      for (const AxisEnd end : {AxisEnd::Exact, AxisEnd::Outward}) {
        if (end == AxisEnd::Exact && low != 0) continue;
        const AxisScale scale = FitAxis(low, low + span, end, end);
        EXPECT_GE(scale.labels(), 4) << low << " + " << span;
        EXPECT_LE(scale.labels(), 8) << low << " + " << span;
        EXPECT_LE(scale.minimum, low);
        EXPECT_GE(scale.maximum, low + span);
      }
}

}  // namespace
}  // namespace morvane
