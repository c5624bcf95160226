// The charts' points: where the probability curves start and stop, which time
// step a plot time falls on, and where the per-step series place their points.
#include "report/output_series.h"

#include <gtest/gtest.h>

#include <memory>

namespace morvane {
namespace {

TEST(PlotStep, RoundsToTheNearestStepWithHalvesToEven) {
  EXPECT_EQ(PlotStep(1, 120), 0);    // 0.5
  EXPECT_EQ(PlotStep(3, 120), 2);    // 1.5
  EXPECT_EQ(PlotStep(5, 120), 2);    // 2.5
  EXPECT_EQ(PlotStep(1440, 60), 1440);
  EXPECT_EQ(PlotStep(2, 7), 17);     // 17.14
}

TEST(DistributionSeries, DrawsAtLeastTheStateLimit) {
  ProbVector vector;
  for (int n = 0; n <= 3; ++n) vector[n] = 0.25L;
  const auto points = DistributionSeries(vector, 60);
  ASSERT_EQ(points.size(), 61u);
  EXPECT_EQ(points[2], (ChartPoint{2, 0.25L}));
  EXPECT_EQ(points.back(), (ChartPoint{60, 0}));
}

TEST(DistributionSeries, GoesOnUntilTheProbabilityIsCovered) {
  ProbVector vector;
  for (int n = 0; n < 100; ++n) vector[n] = 0.01L;  // 99.995 % is reached at state 99
  EXPECT_EQ(DistributionSeries(vector, 10).size(), 100u);
}

TEST(DistributionSeries, StopsAtTheLastEntryOfTheVector) {
  const ProbVector empty;  // as before any computation
  const auto points = DistributionSeries(empty, 10);
  ASSERT_EQ(points.size(), 502u);
  EXPECT_EQ(points.back().x, kHighestIndex);
  EXPECT_EQ(DistributionSeries(empty, 600).size(), 502u);  // more than 50 servers on duty
}

TEST(OutputSeries, TimeDependentPointsSitAtTheStepLengthTimesTheStep) {
  auto model = std::make_unique<Model>();
  model->inputs.TimeStepSeconds = 7;
  model->steps.NumSteps = 12343;  // 86400 / 7 rounded up: steps are a little shorter than 7 s
  model->reserveSteps(model->steps.NumSteps);
  model->steps.TimeDepMean[12343] = 3;
  const auto points = TimeDepNumberSeries(*model);
  ASSERT_EQ(points.size(), 12344u);
  EXPECT_EQ(points.back(), (ChartPoint{12343 * 7 / 60.0L, 3}));
}

TEST(OutputSeries, MinuteSeriesCoverTheWholeDay) {
  auto model = std::make_unique<Model>();
  installBaseStaffing(*model);
  model->minutes.ArrivalRate[720] = 15;   // at capacity: 6 servers x 2.5
  model->minutes.ServiceCapacity[720] = 15;
  const auto capacity = CapacitySeries(*model);
  ASSERT_EQ(capacity.size(), 1441u);
  EXPECT_EQ(capacity[1440], (ChartPoint{1440, 15}));
  EXPECT_EQ(SteadyPWaitSeries(*model)[720].y, 1);
  EXPECT_EQ(ArrivalSeries(*model)[720].y, 15);
}

}  // namespace
}  // namespace morvane
