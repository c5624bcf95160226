// Service level and average speed of answer: Erlang C in the steady state, the
// time-dependent run converging to it, and the day's figures.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/service_level.h"
#include "engine/steady_state.h"
#include "engine/time_dependent_solver.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

using testing::ScriptedUserInterface;

// Erlang C for offered load a = lambda / mu on s servers.
struct ErlangC {
  Real level, answerSeconds;
};
ErlangC ErlangCFigures(Real lambda, Real mu, int s, Real seconds) {
  const Real a = lambda / mu;
  Real idleSum = 0, term = 1;
  for (int k = 0; k < s; ++k) {
    idleSum += term;
    term *= a / (k + 1);
  }
  const Real busy = term * s / (s - a);
  const Real c = busy / (idleSum + busy);
  const Real spare = s * mu - lambda;
  return {1 - c * std::exp(-spare * seconds / 3600), c / spare * 3600};
}

Model ConstantDemand(Real lambda, int servers, int seconds) {
  Model model;
  model.inputs.MeanDemand = lambda;
  model.inputs.DemandAmplitude = 0;
  model.inputs.BaseServers = servers;
  model.inputs.ServiceLevelSeconds = seconds;
  installBaseStaffing(model);
  return model;
}

TEST(ServiceLevel, SteadyStateIsErlangCAndTheRunConvergesToIt) {
  for (const auto& [lambda, servers, seconds] :
       {std::tuple{10.0L, 6, 20}, std::tuple{13.5L, 6, 60}, std::tuple{4.0L, 3, 0}}) {
    Model model = ConstantDemand(lambda, servers, seconds);
    model.inputs.MaxIterations = 200;
    model.inputs.MaxPercentChange = 1e-5L;
    model.inputs.MaxStates = kStateLimit;  // the truncated tail is below 1e-20
    ScriptedUserInterface ui;
    ASSERT_TRUE(ComputeSteadyState(model, ui) && ComputeTimeDependent(model, ui));
    const ErlangC expected = ErlangCFigures(lambda, 2.5L, servers, seconds);
    const ServiceFigures steady = SteadyServiceMinutes(model)[600];
    EXPECT_NEAR(steady.level, expected.level, 1e-9L);
    EXPECT_NEAR(steady.answerSeconds, expected.answerSeconds, 1e-9L);
    const ServiceDay day = TimeDepServiceDay(model);
    EXPECT_NEAR(day.level, expected.level, 1e-6L);
    EXPECT_NEAR(day.worstLevel, expected.level, 1e-6L);
    EXPECT_NEAR(day.answerSeconds, expected.answerSeconds, 1e-4L);
    EXPECT_NEAR(SteadyServiceDay(model).level, expected.level, 1e-9L);
  }
}

TEST(ServiceLevel, NoServerAnswersNobodyAndTheTargetCountsMinutes) {
  ProbVector vector;
  vector[0] = 1;
  EXPECT_EQ(ServiceOf(vector, 0, 2.5L, 20, 100).level, 0);
  EXPECT_TRUE(std::isinf(ServiceOf(vector, 0, 2.5L, 20, 100).answerSeconds));
  EXPECT_EQ(ServiceOf(vector, 1, 2.5L, 20, 100).level, 1);

  Model model = ConstantDemand(10, 6, 20);  // about 77 % within 20 seconds
  ScriptedUserInterface ui;
  ASSERT_TRUE(ComputeSteadyState(model, ui) && ComputeTimeDependent(model, ui));
  model.inputs.ServiceLevelTarget = 80;
  EXPECT_EQ(TimeDepServiceDay(model).minutesBelowTarget, 1440);
  EXPECT_EQ(SteadyServiceDay(model).minutesBelowTarget, 1440);
  model.inputs.ServiceLevelTarget = 70;
  EXPECT_EQ(TimeDepServiceDay(model).minutesBelowTarget, 0);
}

}  // namespace
}  // namespace morvane
