// The arrival rate over the day, its blocks, and the time-step grid.
#include <gtest/gtest.h>

#include "engine/arrival_rate.h"

namespace morvane {
namespace {

TEST(ArrivalRateAt, FollowsTheSinusoidAndItsShift) {
  ScenarioInputs in;  // mean 10, amplitude 4.5, one cycle
  EXPECT_EQ(ArrivalRateAt(in, 0), 10);
  EXPECT_NEAR(ArrivalRateAt(in, 360), 14.5L, 1e-17);
  EXPECT_NEAR(ArrivalRateAt(in, 720), 10, 1e-17);
  EXPECT_NEAR(ArrivalRateAt(in, 1080), 5.5L, 1e-17);
  in.DemandShift = 100;
  EXPECT_NEAR(ArrivalRateAt(in, 460), 14.5L, 1e-17);
  in.DemandShift = 0;
  in.CyclesPerDay = 12;  // a period of 120 minutes
  EXPECT_NEAR(ArrivalRateAt(in, 30), 14.5L, 1e-17);
  EXPECT_NEAR(ArrivalRateAt(in, 150), 14.5L, 1e-16);
}

TEST(ArrivalRateAt, BlocksTakeTheRateOfTheirFirstMinute) {
  ScenarioInputs in;
  in.BlockDemand = true;
  in.BlockMinutes = 60;
  const Real first = SinusoidalRateAt(in, 0);
  const Real second = SinusoidalRateAt(in, 60);
  EXPECT_EQ(ArrivalRateAt(in, 0), first);
  EXPECT_EQ(ArrivalRateAt(in, 59), first);
  EXPECT_EQ(ArrivalRateAt(in, 59.999L), first);  // a step point between minutes
  EXPECT_EQ(ArrivalRateAt(in, 60), second);
  EXPECT_EQ(ArrivalRateAt(in, 119), second);
  EXPECT_EQ(ArrivalRateAt(in, 1439), SinusoidalRateAt(in, 1380));
  EXPECT_EQ(ArrivalRateAt(in, 1440), SinusoidalRateAt(in, 1440));  // a block of its own

  in.BlockMinutes = 1440;
  EXPECT_EQ(ArrivalRateAt(in, 1439.9L), first);
  EXPECT_EQ(ArrivalRateAt(in, 360), first);
}

TEST(StepsPerDay, RoundsUpTheStepsOfADay) {
  EXPECT_EQ(StepsPerDay(3600), 24);
  EXPECT_EQ(StepsPerDay(60), 1440);
  EXPECT_EQ(StepsPerDay(1), 86400);
  EXPECT_EQ(StepsPerDay(7), 12343);  // 86400 / 7 = 12342.86
  EXPECT_EQ(StepsPerDay(2400), 36);
}

}  // namespace
}  // namespace morvane
