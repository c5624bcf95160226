// The time-dependent solver as a whole: convergence, widening of the state
// space, the time-step ladder, its messages, and the scenarios it refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

#include "engine/measures.h"
#include "engine/steady_state.h"
#include "engine/time_dependent_solver.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

using testing::ScriptedUserInterface;

Model BaseModel(Real mean, Real amplitude, std::int32_t servers, Real serviceRate) {
  Model model;
  model.inputs.MeanDemand = mean;
  model.inputs.DemandAmplitude = amplitude;
  model.inputs.BaseServers = servers;
  model.inputs.ServiceRate = serviceRate;
  installBaseStaffing(model);
  return model;
}

// A plan with the same number on duty all day.
void InstallPlan(Model& model, std::int32_t servers) {
  model.staffing.ServersOnDuty.fill(servers);
  model.staffing.MaxServersOnDuty = servers;
  model.flags.UseBaseServers = false;
}

// The starting estimate is already the stationary distribution of the truncated
// equations, so one day changes nothing beyond rounding.
TEST(TimeDependentSolver, ConstantDemandConvergesInOneDayToTheSteadyState) {
  Model model = BaseModel(10, 0, 6, 2.5L);
  ScriptedUserInterface ui;
  ASSERT_TRUE(ComputeSteadyState(model, ui));
  ASSERT_TRUE(ComputeTimeDependent(model, ui));
  const StepResults& steps = model.steps;
  EXPECT_EQ(steps.Days, 1);
  EXPECT_EQ(steps.NumSteps, 1440);
  EXPECT_EQ(steps.StepMinutes, 1);
  const Real steadyMean = model.minutes.SteadyMean[0];
  for (std::int32_t k = 0; k <= steps.NumSteps; ++k)
    ASSERT_NEAR(steps.TimeDepMean[k], steadyMean, 1e-13) << "step " << k;
  EXPECT_NEAR(steps.TotalPersonHours, 24 * steadyMean, 1e-11);
  EXPECT_EQ(steps.ZeroCount, 0);
  EXPECT_TRUE(ui.report.empty());
  EXPECT_EQ(ui.pctDone, (std::vector<int>{0, 14, 28, 42, 56, 69, 83, 97, 100}));
  EXPECT_EQ(ui.iterationGauge, (std::vector<int>{0, 100}));
}

// A model computes its rates once per demand and time step, and afresh when either changes.
TEST(TimeDependentSolver, ARunAgainTakesTheRatesOfTheDemandAndStepInForce) {
  Model reused = BaseModel(10, 4.5L, 8, 2.5L);
  ScriptedUserInterface ui;
  ASSERT_TRUE(ComputeTimeDependent(reused, ui));
  for (const auto change : {+[](ScenarioInputs& in) { in.DemandShift = 300; },
                            +[](ScenarioInputs& in) { in.TimeStepSeconds = 45; }}) {
    change(reused.inputs);
    Model fresh = BaseModel(10, 4.5L, 8, 2.5L);
    fresh.inputs = reused.inputs;
    ASSERT_TRUE(ComputeTimeDependent(reused, ui) && ComputeTimeDependent(fresh, ui));
    const auto points = static_cast<std::size_t>(fresh.steps.NumSteps) + 1;
    EXPECT_TRUE(std::equal(fresh.steps.StepArrivalRate.begin(),
                           fresh.steps.StepArrivalRate.begin() + points,
                           reused.steps.StepArrivalRate.begin()));
    EXPECT_EQ(reused.minutes.ArrivalRate, fresh.minutes.ArrivalRate);
    EXPECT_EQ(reused.steps.TotalPersonHours, fresh.steps.TotalPersonHours);
  }
}

TEST(TimeDependentSolver, StopsAfterMaxIterationsDaysWhateverTheChange) {
  Model model;  // the defaults need three days to agree within 0.1 %
  installBaseStaffing(model);
  ScriptedUserInterface ui;
  ASSERT_TRUE(ComputeTimeDependent(model, ui));
  EXPECT_EQ(model.steps.Days, 3);
  EXPECT_LE(model.steps.LastMaxChange, 0.1L);

  model.inputs.MaxIterations = 1;
  ASSERT_TRUE(ComputeTimeDependent(model, ui));
  EXPECT_EQ(model.steps.Days, 1);
  EXPECT_GT(model.steps.LastMaxChange, 0.1L);
}

// One server against ten arrivals an hour: the queue grows all day and the top
// state fills after every widening.
TEST(TimeDependentSolver, WidensByFiftyStatesUpTo500) {
  Model model = BaseModel(10, 0, 1, 2.5L);
  model.inputs.TimeStepSeconds = 240;
  model.inputs.MaxIterations = 1;
  ScriptedUserInterface ui;
  ASSERT_TRUE(ComputeTimeDependent(model, ui));
  std::vector<std::string> expected{"Changing Max states to use to 500",
                                    "Changing Max states to use to 550"};
  for (int states = 500; states >= 150; states -= 50)
    expected.push_back("Changing Max states to use to " + std::to_string(states));
  EXPECT_EQ(ui.report, expected);  // newest first
  EXPECT_EQ(model.inputs.MaxStates, 500);
  EXPECT_EQ(model.steps.Days, 9);
  EXPECT_EQ(ui.pauses, std::vector<int>(10, 50));
  EXPECT_EQ(ui.changedValues, std::vector<ShownValue>(10, ShownValue::MaxStates));
  EXPECT_EQ(model.steps.TopState, 500);
  EXPECT_GE(model.steps.MaxTopProb, 1e-8L);
  EXPECT_EQ(model.steps.Iterations, 0);
  EXPECT_GT(model.steps.TimeDepMean[model.steps.NumSteps], 400);
}

struct LadderCase {
  std::int32_t fromSeconds, toSeconds;
  std::int32_t servers;
  Real serviceRate;
};

// A step too long for the service rates produces negative probabilities; the
// run starts again with the next shorter step of the ladder, which is clean.
TEST(TimeDependentSolver, ShortensTheStepDownTheLadder) {
  for (const LadderCase& c : {LadderCase{60, 30, 35, 5}, LadderCase{45, 30, 35, 5},
                              LadderCase{7, 5, 12, 100}}) {
    SCOPED_TRACE(c.fromSeconds);
    Model model = BaseModel(10, 0, c.servers, c.serviceRate);
    model.inputs.TimeStepSeconds = c.fromSeconds;
    model.inputs.MaxIterations = 1;
    ScriptedUserInterface ui;
    ui.allowMessages();
    ASSERT_TRUE(ComputeTimeDependent(model, ui));
    const std::string line = "Resetting DeltaTime to " + std::to_string(c.toSeconds);
    EXPECT_EQ(ui.report, std::vector<std::string>{line});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(std::regex_match(ui.messages[0],
                                 std::regex("Total Number of Zero Probs = [1-9][0-9]*\r\r" + line)))
        << ui.messages[0];
    EXPECT_EQ(model.inputs.TimeStepSeconds, c.toSeconds);
    EXPECT_EQ(model.steps.NumSteps, 86400 / c.toSeconds);
    EXPECT_EQ(model.steps.ZeroCount, 0);
    EXPECT_EQ(ui.changedValues, std::vector<ShownValue>{ShownValue::TimeStepSeconds});
  }
}

// During an optimisation no box appears, but the run report and the boxes still
// follow the solver.
TEST(TimeDependentSolver, ShowsNoBoxWithTheFlagsOffButStillReports) {
  Model model = BaseModel(10, 0, 35, 5);
  model.flags = {false, false, false, false};
  model.inputs.MaxIterations = 1;
  ScriptedUserInterface ui;  // fails on any message
  ASSERT_TRUE(ComputeTimeDependent(model, ui));
  EXPECT_EQ(ui.report, std::vector<std::string>{"Resetting DeltaTime to 30"});
  EXPECT_EQ(ui.changedValues, std::vector<ShownValue>{ShownValue::TimeStepSeconds});
  EXPECT_TRUE(ui.iterationGauge.empty());
  EXPECT_FALSE(ui.pctDone.empty());
}

// 150 servers serving 100 an hour each: even a 1-second step goes negative.
Model FastServiceModel(std::int32_t stepSeconds, ModeFlags flags) {
  Model model = BaseModel(10, 0, 35, 100);
  InstallPlan(model, 150);
  model.flags = flags;
  model.inputs.TimeStepSeconds = stepSeconds;
  model.inputs.MaxIterations = 1;
  return model;
}

// The results of a 1-second step stand, with the warning pair when both flags
// allow boxes.
TEST(TimeDependentSolver, KeepsOneSecondResultsAndWarnsOnlyWithBothFlags) {
  Model model = FastServiceModel(2, ModeFlags{false, true, true, true});
  ScriptedUserInterface ui;
  ui.allowMessages();
  ASSERT_TRUE(ComputeTimeDependent(model, ui));
  EXPECT_EQ(ui.report, std::vector<std::string>{"Resetting DeltaTime to 1"});
  EXPECT_EQ(model.inputs.TimeStepSeconds, 1);
  EXPECT_EQ(model.steps.NumSteps, 86400);
  EXPECT_GT(model.steps.ZeroCount, 0);
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[1], "SERIOUS WARNING FOLLOWS... RESULTS MAY NOT BE VALID...");
  EXPECT_EQ(ui.messages[2], "Total Number of Zero Probs = " +
                                std::to_string(model.steps.ZeroCount) +
                                "\r\rAbove Number should be 0\r\rMax % Error = " +
                                NumberText(model.steps.LastMaxChange, 12, 5, kFixedLocale) +
                                "\r\rTotal Iterations = 1");
  EXPECT_TRUE(std::isfinite(model.steps.TotalPersonHours));

  for (const ModeFlags flags : {ModeFlags{false, true, true, false},    // no warnings
                                ModeFlags{false, false, true, true}}) {  // not interactive
    Model quiet = FastServiceModel(1, flags);
    ScriptedUserInterface silent;  // fails on any message
    ASSERT_TRUE(ComputeTimeDependent(quiet, silent));
    EXPECT_GT(quiet.steps.ZeroCount, 0);
    EXPECT_TRUE(silent.report.empty());
  }
}

// A plan may put more servers on duty than there are states: the solver and the
// P(wait) sums stay inside the distribution (the sanitiser build checks the rest).
// Up to 250 services an hour in the top states make the step shorten twice.
TEST(TimeDependentSolver, RunsAPlanWithMoreServersThanStates) {
  Model model;
  InstallPlan(model, 600);
  ScriptedUserInterface ui;
  ui.allowMessages();
  ASSERT_TRUE(ComputeSteadyState(model, ui));
  ASSERT_TRUE(ComputeTimeDependent(model, ui));
  EXPECT_EQ(model.inputs.MaxStates, 100);
  EXPECT_EQ(model.inputs.TimeStepSeconds, 20);
  EXPECT_NEAR(model.steps.MaxPWait, 0, 1e-15);
  EXPECT_NEAR(SteadyPWait(model, 360), 0, 1e-15);
  // Nobody waits: the mean in system is the offered load, lambda / mu.
  EXPECT_NEAR(model.steps.TimeDepMean[0], 4, 0.5);
  for (std::int32_t k = 0; k <= model.steps.NumSteps; ++k)
    ASSERT_EQ(model.steps.TimeDepVectors[k][101], 0);
}

TEST(TimeDependentSolver, RefusesWhatItCannotComputeAndLeavesTheTablesAlone) {
  ScriptedUserInterface ui;
  ui.allowMessages();
  Model negative = BaseModel(10, 12, 6, 2.5L);
  EXPECT_FALSE(ComputeTimeDependent(negative, ui));
  Model slow = BaseModel(10, 0, 6, 0.01L);
  EXPECT_FALSE(ComputeTimeDependent(slow, ui));
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_TRUE(negative.steps.TimeDepVectors.empty());
  EXPECT_TRUE(slow.steps.TimeDepVectors.empty());
  EXPECT_TRUE(SolverRefusal(slow).has_value());
  EXPECT_FALSE(SolverRefusal(BaseModel(10, 10, 6, 2.5L)).has_value());
}

}  // namespace
}  // namespace morvane
