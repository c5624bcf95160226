// The time-dependent engine in double precision against the extended one on
// the scenarios of the engine tests: the real figures agree to 1e-9 relative,
// the whole-number ones (minutes over the limit, states, step, days) are equal.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/measures.h"
#include "engine/time_dependent_solver.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

constexpr double kRelative = 1e-9;

struct Scenario {
  const char* name;
  std::function<void(Model&)> setup;
  // MaxPWait of a plan whose every step serves all comers: 1 minus a sum that
  // rounds to 1, within rounding of 0 in either type. Compared to 1e-15 instead.
  bool pWaitWithinRoundingOfZero = false;
};

Model Computed(const Scenario& scenario, Precision precision) {
  Model model;
  installBaseStaffing(model);
  scenario.setup(model);
  testing::ScriptedUserInterface ui;
  ui.allowMessages();
  EXPECT_TRUE(ComputeTimeDependent(model, ui, precision));
  EXPECT_EQ(model.steps.precision, precision);
  return model;
}

void ExpectRelativelyNear(Real extended, Real fast, const char* what) {
  EXPECT_LE(std::fabs(fast - extended), kRelative * std::fabs(extended))
      << what << ": " << static_cast<double>(extended) << " vs " << static_cast<double>(fast);
}

void ExpectAgreement(const Scenario& scenario) {
  SCOPED_TRACE(scenario.name);
  const Model extended = Computed(scenario, Precision::Extended);
  const Model fast = Computed(scenario, Precision::Double);
  const StepResults& e = extended.steps;
  const StepResults& d = fast.steps;
  ExpectRelativelyNear(e.TotalPersonHours, d.TotalPersonHours, "TotalPersonHours");
  ExpectRelativelyNear(TotalSystemCost(extended), TotalSystemCost(fast), "TotalCost");
  if (scenario.pWaitWithinRoundingOfZero)
    EXPECT_NEAR(d.MaxPWait, e.MaxPWait, 1e-15);
  else
    ExpectRelativelyNear(e.MaxPWait, d.MaxPWait, "MaxPWait");
  EXPECT_EQ(d.MinutesOverLimit, e.MinutesOverLimit);
  EXPECT_EQ(fast.inputs.MaxStates, extended.inputs.MaxStates);
  EXPECT_EQ(fast.inputs.TimeStepSeconds, extended.inputs.TimeStepSeconds);
  EXPECT_EQ(d.Days, e.Days);
  // The extended tables are left as they were by a double run.
  EXPECT_TRUE(fast.steps.TimeDepVectors.empty());
}

TEST(DoubleEngine, AgreesWithTheExtendedEngine) {
  const Scenario scenarios[] = {
      {"defaults", [](Model&) {}},
      {"block demand",
       [](Model& m) {
         m.inputs.BlockDemand = true;
         m.inputs.BlockMinutes = 45;
         m.inputs.DemandAmplitude = 8;
       }},
      {"widening to 150 states", [](Model& m) { m.inputs.MeanDemand = 12; }},
      {"time step shortened from 60 to 30 seconds",
       [](Model& m) {
         m.inputs.DemandAmplitude = 0;
         m.inputs.BaseServers = 35;
         m.inputs.ServiceRate = 5;
         installBaseStaffing(m);
       },
       true},
      {"plan with minutes of no server and a 7-second step",
       [](Model& m) {
         m.inputs.TimeStepSeconds = 7;
         for (int minute = 0; minute < kMinutePoints; ++minute)
           m.staffing.ServersOnDuty[minute] = (minute / 100) % 5 * 2 + (minute / 100) % 3;
         m.staffing.MaxServersOnDuty = 10;
         m.flags.UseBaseServers = false;
       }},
      {"one server widening to 500 states",
       [](Model& m) {
         m.inputs.DemandAmplitude = 0;
         m.inputs.BaseServers = 1;
         m.inputs.TimeStepSeconds = 240;
         m.inputs.MaxIterations = 1;
         installBaseStaffing(m);
       }},
  };
  for (const Scenario& scenario : scenarios) ExpectAgreement(scenario);
}

}  // namespace
}  // namespace morvane
