// Callers who hang up (M/M/s+M): the steady state against an Erlang A
// computation of its own (the birth-death distribution and the tagged caller's
// chain, solved by uniformisation), flow balance, the time-dependent run at
// constant demand, the approach to Erlang C, and loads nothing else could serve.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/service_level.h"
#include "engine/steady_state.h"
#include "engine/time_dependent_solver.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

using testing::ScriptedUserInterface;

constexpr int kStates = 150;

struct ErlangA {
  Real level = 0, answerSeconds = 0, abandoned = 0, queue = 0;
};

// Steady state of lambda arrivals, s servers of rate mu and hang-ups at theta per
// waiting caller (all per hour), T seconds, by brute force.
ErlangA ErlangAFigures(Real lambda, Real mu, int s, Real theta, Real seconds) {
  std::vector<Real> p(kStates + 1, 1);
  for (int n = 1; n <= kStates; ++n)
    p[n] = p[n - 1] * lambda / (std::min(n, s) * mu + std::max(n - s, 0) * theta);
  Real total = 0;
  for (Real x : p) total += x;
  for (Real& x : p) x /= total;
  const Real t = seconds / 3600;
  ErlangA a;
  Real answered = 0, wait = 0;
  for (int n = 0; n <= kStates; ++n) {
    if (n < s) {
      a.level += p[n];
      answered += p[n];
      continue;
    }
    a.queue += (n - s) * p[n];
    // The tagged caller with k ahead moves up at r(k) = s mu + k theta and leaves
    // that state at q(k) = r(k) + theta; P(answered by t) by uniformisation.
    const int j = n - s;
    const auto r = [&](int k) { return s * mu + k * theta; };
    Real reach = 1, meanWait = 0;
    for (int k = 0; k <= j; ++k) {
      reach *= r(k) / (r(k) + theta);
      meanWait += 1 / (r(k) + theta);
    }
    const Real rate = r(j) + theta;
    std::vector<Real> at(j + 1, 0);
    at[j] = 1;
    Real inTime = 0, done = 0, weight = std::exp(-rate * t);
    for (int m = 0; m < rate * t || weight > 1e-30L; ++m, weight *= rate * t / m) {
      inTime += weight * done;
      done += at[0] * r(0) / rate;
      for (int k = 0; k <= j; ++k)
        at[k] = at[k] * (1 - (r(k) + theta) / rate) + (k < j ? at[k + 1] * r(k + 1) / rate : 0);
    }
    a.level += p[n] * inTime;
    answered += p[n] * reach;
    wait += p[n] * reach * meanWait;
    a.abandoned += p[n] * (1 - reach);
  }
  a.answerSeconds = wait / answered * 3600;
  return a;
}

ServiceFigures SteadyFigures(Real lambda, Real mu, int s, std::int32_t patience, int seconds) {
  ScenarioInputs in;
  in.ServiceRate = mu;
  in.PatienceSeconds = patience;
  in.ServiceLevelSeconds = seconds;
  in.MaxStates = kStates;
  ProbVector vector;
  SteadyStateProbs(s, false, vector, lambda, mu, kStates, AbandonRate(in));
  return ServiceMeter<Real>(in).of(vector, s);
}

TEST(Abandonment, SteadyStateIsErlangAAndBalancesItsFlows) {
  struct Case {
    Real lambda, mu;
    int s;
    std::int32_t patience;
    int seconds;
  };
  for (const Case c : {Case{40, 6, 7, 120, 20}, Case{40, 6, 5, 60, 30}, Case{10, 2.5L, 3, 600, 0},
                       Case{90, 6, 12, 30, 15}}) {
    SCOPED_TRACE(std::to_string(c.s) + " servers, patience " + std::to_string(c.patience));
    const Real theta = 3600.0L / c.patience;
    const ErlangA expected = ErlangAFigures(c.lambda, c.mu, c.s, theta, c.seconds);
    const ServiceFigures got = SteadyFigures(c.lambda, c.mu, c.s, c.patience, c.seconds);
    EXPECT_NEAR(got.level, expected.level, 1e-9);
    EXPECT_NEAR(got.answerSeconds, expected.answerSeconds, 1e-9 * expected.answerSeconds);
    EXPECT_NEAR(got.abandoned, expected.abandoned, 1e-9);
    // Those who hang up leave at theta per waiting caller.
    EXPECT_NEAR(got.abandoned, theta * expected.queue / c.lambda, 1e-9);
  }
}

TEST(Abandonment, LongPatienceApproachesErlangCAndNoServerLosesEveryone) {
  const ServiceFigures never = SteadyFigures(40, 6, 8, 0, 20);
  EXPECT_EQ(never.abandoned, 0);
  // Fewer hang up and waits lengthen toward Erlang C's; the level, which
  // counts those who hang up as not answered, ends near it too.
  Real speedGap = never.answerSeconds, lost = 1, levelGap = 1;
  for (std::int32_t patience : {600, 3600, 36000}) {
    const ServiceFigures patient = SteadyFigures(40, 6, 8, patience, 20);
    EXPECT_LT(never.answerSeconds - patient.answerSeconds, speedGap) << patience;
    EXPECT_LT(patient.abandoned, lost) << patience;
    speedGap = never.answerSeconds - patient.answerSeconds;
    lost = patient.abandoned;
    levelGap = patient.level - never.level;
  }
  EXPECT_LT(speedGap, 0.15 * never.answerSeconds);
  EXPECT_LT(lost, 0.01);
  EXPECT_LT(levelGap, 0.02);

  const ServiceFigures nobody = SteadyFigures(40, 6, 0, 120, 20);
  EXPECT_EQ(nobody.level, 0);
  EXPECT_EQ(nobody.abandoned, 1);
  EXPECT_TRUE(std::isinf(nobody.answerSeconds));
}

Model ConstantDemand(Real lambda, std::int32_t servers, std::int32_t patience) {
  Model model;
  model.inputs.MeanDemand = lambda;
  model.inputs.DemandAmplitude = 0;
  model.inputs.ServiceRate = 6;
  model.inputs.BaseServers = servers;
  model.inputs.PatienceSeconds = patience;
  model.flags = {true, false, false, false};
  installBaseStaffing(model);
  return model;
}

// Both precisions start from the steady state and stay there; the day's figures
// are the minute's.
TEST(Abandonment, TimeDependentRunAtConstantDemandKeepsTheSteadyFigures) {
  Model model = ConstantDemand(60, 9, 90);
  ScriptedUserInterface ui;
  ASSERT_TRUE(ComputeSteadyState(model, ui));
  const ServiceFigures steady = SteadyServiceMinutes(model)[600];
  EXPECT_GT(steady.abandoned, 0.01);
  for (Precision precision : {Precision::Extended, Precision::Double}) {
    ASSERT_TRUE(ComputeTimeDependent(model, ui, precision));
    const ServiceDay day = TimeDepServiceDay(model);
    EXPECT_NEAR(day.level, steady.level, 1e-9);
    EXPECT_NEAR(day.abandoned, steady.abandoned, 1e-9);
    EXPECT_NEAR(day.answerSeconds, steady.answerSeconds, 1e-7);
    EXPECT_NEAR(day.worstAbandoned, steady.abandoned, 1e-9);
  }
}

// Short patience makes the equations stiff: the step in force still holds, no
// probability goes below zero, and a twelfth of the step changes nothing that shows.
TEST(Abandonment, ShortPatienceNeedsNoShorterStep) {
  ScriptedUserInterface ui;
  std::vector<ServiceDay> days;
  for (std::int32_t seconds : {60, 5}) {
    Model model = ConstantDemand(60, 12, 30);
    model.inputs.DemandAmplitude = 30;
    model.inputs.TimeStepSeconds = seconds;
    ASSERT_TRUE(ComputeTimeDependent(model, ui, Precision::Double));
    EXPECT_EQ(model.inputs.TimeStepSeconds, seconds);
    EXPECT_EQ(model.steps.ZeroCount, 0);
    days.push_back(TimeDepServiceDay(model));
  }
  EXPECT_NEAR(days[0].level, days[1].level, 1e-5);
  EXPECT_NEAR(days[0].abandoned, days[1].abandoned, 1e-5);
  EXPECT_NEAR(days[0].answerSeconds, days[1].answerSeconds, 1e-5 * days[1].answerSeconds);
}

// Demand far beyond the capacity: with patience every figure is finite; without it the
// same demand on slow servers is still refused as beyond the states.
TEST(Abandonment, OverloadWithPatienceGivesFiniteFigures) {
  Model model = ConstantDemand(100, 8, 60);
  model.inputs.ServiceRate = 0.01L;  // 10,000 servers' worth of work
  ScriptedUserInterface ui;
  ASSERT_TRUE(ComputeSteadyState(model, ui));
  ASSERT_TRUE(ComputeTimeDependent(model, ui));
  const ServiceDay day = TimeDepServiceDay(model);
  EXPECT_GT(day.abandoned, 0.99);
  EXPECT_LT(day.abandoned, 1);
  EXPECT_TRUE(std::isfinite(day.answerSeconds));
  EXPECT_NEAR(SteadyServiceDay(model).abandoned, day.abandoned, 1e-9);

  model.inputs.PatienceSeconds = 0;
  ui.allowMessages();
  EXPECT_FALSE(ComputeSteadyState(model, ui));
  EXPECT_FALSE(ComputeTimeDependent(model, ui));
}

}  // namespace
}  // namespace morvane
