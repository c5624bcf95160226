#include "optimiser/ga_charts.h"

#include <gtest/gtest.h>

#include <memory>

#include "optimiser/elapsed_time.h"

namespace morvane {
namespace {

TEST(GACharts, NiceStepIsTheLargestPowerOfTenNotAbove) {
  EXPECT_EQ(NiceStep(0), 1);
  EXPECT_EQ(NiceStep(0.0000005), 1);
  EXPECT_EQ(NiceStep(345), 100);
  EXPECT_EQ(NiceStep(1000), 1000);
  EXPECT_DOUBLE_EQ(NiceStep(0.05), 0.01);
}

TEST(GACharts, AxesRoundOutwardAndEqualLimitsWiden) {
  const AxisLimits span = NiceAxis(2013.5, 2347.2);
  EXPECT_EQ(span.minimum, 2000);
  EXPECT_EQ(span.maximum, 2400);
  const AxisLimits flat = NiceAxis(2000, 2000);
  EXPECT_EQ(flat.minimum, 1999);
  EXPECT_EQ(flat.maximum, 2001);
}

TEST(GACharts, ArrowsFollowTheBlocksAndImportsBeyondTheMembersAreDrawn) {
  auto population = std::make_unique<Population>();
  for (int i = 1; i <= 6; ++i) (*population)[i].Objective1 = 100 * i;
  ProgressRanges ranges;
  // 5 members, 3 carried over and 3 imported: slot 6 lies beyond the members.
  const GenerationPlot plot = PlotGeneration(4, *population, 5, 3, 3, 100, 2, ranges);
  EXPECT_EQ(plot.carryover, (std::vector<double>{100, 200, 300}));
  EXPECT_EQ(plot.import, (std::vector<double>{400, 500, 600}));
  EXPECT_TRUE(plot.crossover.empty());
  EXPECT_EQ(plot.bottom.minimum, 100);
  EXPECT_EQ(plot.bottom.maximum, 600);
  const GenerationPlot next = PlotGeneration(5, *population, 5, 1, 1, 80, 0, ranges);
  EXPECT_EQ(next.crossover.size(), 3u);
  EXPECT_EQ(next.left.minimum, 80);  // step 10 over the best values 80..100
  EXPECT_EQ(next.left.maximum, 100);
  EXPECT_EQ(next.right.maximum, 2);
  ProgressRanges fresh;  // no generation without change yet: the count's axis is 0..1
  const GenerationPlot first = PlotGeneration(0, *population, 5, 1, 1, 100, 0, fresh);
  EXPECT_EQ(first.right.minimum, 0);
  EXPECT_EQ(first.right.maximum, 1);
}

TEST(GACharts, ElapsedSecondsCountsCalendarDays) {
  EXPECT_DOUBLE_EQ(ElapsedSeconds({10, 86399000}, {11, 500}), 1.5);
  EXPECT_DOUBLE_EQ(ElapsedSeconds({3, 1000}, {3, 3500}), 2.5);
}

}  // namespace
}  // namespace morvane
