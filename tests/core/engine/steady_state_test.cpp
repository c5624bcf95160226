// Steady-state M/M/s distributions: the worked example, the special queues, the
// per-minute computation and the scenarios it refuses.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/steady_state.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

constexpr std::int32_t kStates = 100;

Real SumOf(const ProbVector& vector, int last) {
  Real sum = 0;
  for (int n = 0; n <= last; ++n) sum += vector[n];
  return sum;
}

void ExpectNothingOutside(const ProbVector& vector, int top) {
  EXPECT_EQ(vector[-1], 0);
  for (int n = top + 1; n <= kHighestIndex; ++n) ASSERT_EQ(vector[n], 0) << "state " << n;
}

// s = 2, lambda = 3, mu = 2: a = 1.5, the untruncated sum is 7, so p0 = 1/7,
// p1 = 1.5/7 and p(n) = p(n-1) * 0.75 from n = 2 on; the mean is 24/7.
TEST(SteadyStateProbs, WorkedTwoServerExample) {
  ProbVector vector;
  SteadyStateProbs(2, false, vector, 3, 2, kStates);
  const Real mean = MeanOf(vector, kStates);
  EXPECT_NEAR(vector[0], 1.0L / 7, 1e-12);
  EXPECT_NEAR(vector[1], 1.5L / 7, 1e-12);
  for (int n = 2; n <= 30; ++n) EXPECT_NEAR(vector[n] / vector[n - 1], 0.75L, 1e-15);
  EXPECT_NEAR(mean, 24.0L / 7, 1e-9);
  EXPECT_NEAR(SumOf(vector, kStates), 1, 1e-17);
  ExpectNothingOutside(vector, kStates);
}

TEST(SteadyStateProbs, SingleServerIsGeometricOverTheTruncatedStates) {
  ProbVector vector;
  SteadyStateProbs(1, false, vector, 1, 2, kStates);
  const Real mean = MeanOf(vector, kStates);
  const Real normaliser = (1 - std::pow(0.5L, kStates + 1)) / 0.5L;
  for (int n = 0; n <= kStates; ++n)
    EXPECT_NEAR(vector[n], std::pow(0.5L, n) / normaliser, 1e-18) << n;
  EXPECT_NEAR(mean, 1, 1e-12);  // rho / (1 - rho)
}

TEST(SteadyStateProbs, OverloadedQueueGetsThePlaceholderUnlessRaised) {
  ProbVector vector;
  vector.entries.fill(0.5L);
  SteadyStateProbs(2, false, vector, 4, 2, kStates);  // lambda = s * mu
  EXPECT_EQ(MeanOf(vector, kStates), 1);
  EXPECT_EQ(vector[1], 1);
  for (int n = kLowestIndex; n <= kHighestIndex; ++n) {
    if (n != 1) {
      ASSERT_EQ(vector[n], 0) << n;
    }
  }

  // With raising, zero servers become the smallest stable number: 3 x 2 > 5.
  ProbVector raised, three;
  SteadyStateProbs(0, true, raised, 5, 2, kStates);
  SteadyStateProbs(3, false, three, 5, 2, kStates);
  EXPECT_EQ(raised.entries, three.entries);
  EXPECT_EQ(StableServers(0, 5, 2), 3);
  EXPECT_EQ(StableServers(2, 4, 2), 3);  // equal load is not stable
  EXPECT_EQ(StableServers(7, 5, 2), 7);
}

TEST(SteadyStateProbs, NoArrivalsLeaveTheSystemEmpty) {
  ProbVector vector;
  SteadyStateProbs(3, false, vector, 0, 2.5L, kStates);
  EXPECT_EQ(vector[0], 1);
  EXPECT_EQ(MeanOf(vector, kStates), 0);
  EXPECT_EQ(SumOf(vector, kStates), 1);
}

// More servers than states (a plan may do that): nothing is written above the
// top state, and the distribution is the Poisson one of an M/M/infinity queue.
TEST(SteadyStateProbs, MoreServersThanStatesStayInsideTheDistribution) {
  ProbVector vector;
  vector.entries.fill(0.25L);
  SteadyStateProbs(600, true, vector, 10, 2.5L, kStates);
  ExpectNothingOutside(vector, kStates);
  EXPECT_NEAR(vector[0], std::exp(-4.0L), 1e-15);
  EXPECT_NEAR(MeanOf(vector, kStates), 4, 1e-12);
}

Model ModelWith(Real mean, Real amplitude, Real serviceRate) {
  Model model;
  model.inputs.MeanDemand = mean;
  model.inputs.DemandAmplitude = amplitude;
  model.inputs.ServiceRate = serviceRate;
  installBaseStaffing(model);
  return model;
}

// The consistency check never fires on valid input: the scripted interface fails
// the test on any message.
TEST(ComputeSteadyState, FillsEveryMinuteWithoutAConsistencyMessage) {
  Model model = ModelWith(10, 4.5L, 2.5L);
  for (int m = 600; m < 700; ++m) model.staffing.ServersOnDuty[m] = 0;
  testing::ScriptedUserInterface ui;
  ASSERT_TRUE(ComputeSteadyState(model, ui));
  const MinuteResults& r = model.minutes;
  EXPECT_EQ(r.ServiceCapacity[0], 15);
  EXPECT_EQ(r.ServiceCapacity[650], 0);
  EXPECT_EQ(r.SteadyMean[650], 1);  // overloaded: the placeholder
  EXPECT_EQ(r.SteadyVectors[650][1], 1);
  for (int m = 0; m < kMinutePoints; ++m) {
    ASSERT_EQ(r.SteadyMean[m], MeanOf(r.SteadyVectors[m], kStates));
    ASSERT_NEAR(SumOf(r.SteadyVectors[m], kStates), 1, 1e-17);
  }
  // At 360 the rate peaks at 14.5 against 15: a long queue.
  EXPECT_NEAR(r.ArrivalRate[360], 14.5L, 1e-15);
  EXPECT_GT(r.SteadyMean[360], 20);
}

TEST(ComputeSteadyState, RefusesNegativeRatesAndMoreServersThanTheStatesHold) {
  Model model = ModelWith(10, 12, 2.5L);
  testing::ScriptedUserInterface ui;
  ui.allowMessages();
  EXPECT_FALSE(ComputeSteadyState(model, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("amplitude (12)"), std::string::npos) << ui.messages[0];
  EXPECT_NE(ui.messages[0].find("mean demand (10)"), std::string::npos) << ui.messages[0];

  // A peak of 10 arrivals per hour served at 0.01 needs 1001 servers.
  Model slow = ModelWith(10, 0, 0.01L);
  EXPECT_FALSE(ComputeSteadyState(slow, ui));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_NE(ui.messages[1].find("more than 501 servers"), std::string::npos) << ui.messages[1];

  // The amplitude may equal the mean: the rate touches zero.
  Model touching = ModelWith(10, 10, 2.5L);
  EXPECT_TRUE(ComputeSteadyState(touching, ui));
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_GE(touching.minutes.ArrivalRate[1080], 0);
}

}  // namespace
}  // namespace morvane
