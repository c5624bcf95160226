// The fast day sweep against the literal day step: the same vectors, the same
// largest change and the same count of clipped probabilities, to the last bit.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "engine/day_sweep.h"
#include "engine/time_dependent_solver.h"
#include "literal_day_step.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

// The 80 value bits of a long double (the rest of its 16-byte slot is padding).
constexpr std::size_t kRealBytes = 10;

bool SameBits(const Real& a, const Real& b) { return std::memcmp(&a, &b, kRealBytes) == 0; }

// A model at the start of its first day: grid and starting estimate in place.
Model StartOfRun(const std::function<void(Model&)>& setup) {
  Model model;
  installBaseStaffing(model);
  setup(model);
  testing::ScriptedUserInterface ui;
  PrepareStepGrid(model);
  FillStartingEstimate(model, ui);
  return model;
}

DaySweepResult FastDay(Model& model) {
  return SweepDay(model.steps, model.inputs.ServiceRate, model.inputs.TimeStepSeconds,
                  model.inputs.MaxStates);
}

template <typename Result>
void ExpectSameResult(const DaySweepResult& got, const Result& want) {
  EXPECT_TRUE(SameBits(got.maxChange, want.maxChange))
      << static_cast<double>(got.maxChange) << " vs " << static_cast<double>(want.maxChange);
  EXPECT_EQ(got.zeroCount, want.zeroCount);
}

void ExpectSameVectors(const Model& got, const Model& want) {
  int differing = 0;
  for (std::int32_t k = 0; k <= got.steps.NumSteps; ++k)
    for (int n = kLowestIndex; n <= kHighestIndex; ++n)
      if (!SameBits(got.steps.TimeDepVectors[k][n], want.steps.TimeDepVectors[k][n]) &&
          differing++ < 5)
        ADD_FAILURE() << "step " << k << " state " << n << ": "
                      << static_cast<double>(got.steps.TimeDepVectors[k][n]) << " vs "
                      << static_cast<double>(want.steps.TimeDepVectors[k][n]);
  EXPECT_EQ(differing, 0);
}

// Sweeps one day both ways from the same state and compares everything; returns
// the fast result so a caller can check that the case exercised what it meant to.
DaySweepResult ExpectSameDay(Model& fast, Model& literal) {
  const DaySweepResult got = FastDay(fast);
  ExpectSameResult(got, testing::LiteralDayStep(literal).sweepDay());
  ExpectSameVectors(fast, literal);
  return got;
}

TEST(DaySweep, EqualsLiteralStepOnTheDefaults) {
  Model fast = StartOfRun([](Model&) {});
  Model literal = fast;
  const DaySweepResult first = ExpectSameDay(fast, literal);
  EXPECT_GT(first.maxChange, 0);
  ExpectSameDay(fast, literal);
}

// Blocks of demand, servers changing within the day (none at all in some
// minutes) and a step (7 s) that does not divide the day, so step points fall
// between minutes.
TEST(DaySweep, EqualsLiteralStepWithBlockDemandAndAPlan) {
  Model fast = StartOfRun([](Model& m) {
    m.inputs.BlockDemand = true;
    m.inputs.BlockMinutes = 45;
    m.inputs.DemandAmplitude = 8;
    m.inputs.TimeStepSeconds = 7;
    for (int minute = 0; minute < kMinutePoints; ++minute)
      m.staffing.ServersOnDuty[minute] = (minute / 100) % 5 * 2;
    m.staffing.MaxServersOnDuty = 8;
  });
  Model literal = fast;
  ExpectSameDay(fast, literal);
}

// After a widening the new states start at 0 and fill during the next days.
TEST(DaySweep, EqualsLiteralStepAfterWidening) {
  Model fast = StartOfRun([](Model& m) {
    m.inputs.DemandAmplitude = 0;
    m.inputs.ServiceRate = 1.7L;
  });
  FastDay(fast);
  fast.inputs.MaxStates = 150;
  Model literal = fast;
  ExpectSameDay(fast, literal);
  EXPECT_GT(fast.steps.TimeDepVectors[fast.steps.NumSteps][140], 0);
  ExpectSameDay(fast, literal);
}

// A step far too long for the rates: probabilities go negative and are clipped.
TEST(DaySweep, EqualsLiteralStepWhenProbabilitiesGoNegative) {
  Model fast = StartOfRun([](Model& m) {
    m.inputs.MeanDemand = 100;
    m.inputs.BaseServers = 35;
    m.inputs.ServiceRate = 100;
    installBaseStaffing(m);
  });
  Model literal = fast;
  EXPECT_GT(ExpectSameDay(fast, literal).zeroCount, 0);
}

// A day left unclosed and closed by the next sweep gives what closing it at once
// gives: the same changes, clipped counts and vectors, after a day that moved a
// lot and after one that clipped probabilities.
TEST(DaySweep, ADayClosedByTheNextSweepEqualsOneClosedAtOnce) {
  const std::function<void(Model&)> negative = [](Model& m) {
    m.inputs.MeanDemand = 100;
    m.inputs.BaseServers = 35;
    m.inputs.ServiceRate = 100;
    installBaseStaffing(m);
  };
  const std::function<void(Model&)> defaults = [](Model&) {};
  for (const auto& setup : {defaults, negative}) {
    Model closed = StartOfRun(setup);
    Model unclosed = closed;
    const auto& in = closed.inputs;
    ExpectSameResult(FastDay(closed), FastDay(unclosed));
    CloseDay(closed.steps, in.MaxStates);
    for (int day = 0; day < 2; ++day) {
      const DaySweepResult want = FastDay(closed);
      CloseDay(closed.steps, in.MaxStates);
      ExpectSameResult(SweepDay(unclosed.steps, in.ServiceRate, in.TimeStepSeconds, in.MaxStates,
                                DayStart::Unclosed),
                       want);
      EXPECT_GT(want.maxChange, 0);
    }
    CloseDay(unclosed.steps, in.MaxStates);
    ExpectSameVectors(unclosed, closed);
  }
}

}  // namespace
}  // namespace morvane
