// Plans computed all the way through the queue engine: more servers on duty
// than the engine has states, and no servers at all.
#include <gtest/gtest.h>

#include "engine/measures.h"
#include "staffing/schedule_plan.h"
#include "engine/steady_state.h"
#include "engine/time_dependent_solver.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

Model PlanModel() {
  Model model;
  model.flags.UseBaseServers = false;
  model.staffing.DutyTemplate[FullTime].fill(1);  // on duty round the clock
  return model;
}

TEST(PlanEndToEnd, SixHundredOnDutyStaysInsideTheTables) {
  Model model = PlanModel();
  model.staffing.StartTimes[FullTime][0] = 400;
  model.staffing.StartTimes[PartTime][20] = 200;  // 600 on duty in periods 20..31
  ASSERT_FALSE(ScheduleGridExit(model));
  ASSERT_EQ(model.staffing.MaxServersOnDuty, 600);
  EXPECT_EQ(model.staffing.ServersOnDuty[20 * 15], 600);

  testing::ScriptedUserInterface ui;
  // A slow service keeps the 60-second step stable at 100 states.
  model.inputs.ServiceRate = 0.25L;
  ASSERT_TRUE(ComputeSteadyState(model, ui));
  ASSERT_TRUE(ComputeTimeDependent(model, ui));
  EXPECT_EQ(model.minutes.ServiceCapacity[20 * 15], 600 * model.inputs.ServiceRate);
  EXPECT_EQ(model.inputs.TimeStepSeconds, 60);
  EXPECT_LT(model.steps.MaxPWait, 1e-12L);
  EXPECT_GT(model.steps.TotalPersonHours, 0);
}

TEST(PlanEndToEnd, EmptyTemplatesPutNoOneOnDutyWithoutAFault) {
  Model model = PlanModel();
  model.staffing.DutyTemplate = {};
  model.staffing.StartTimes[FullTime][0] = 3;
  model.inputs.TimeStepSeconds = 600;
  model.inputs.MaxIterations = 2;
  ASSERT_FALSE(ScheduleGridExit(model));
  EXPECT_EQ(model.staffing.MaxServersOnDuty, 0);

  testing::ScriptedUserInterface ui;
  ui.allowMessages();  // the solver may warn about a queue nobody serves
  ASSERT_TRUE(ComputeSteadyState(model, ui));
  ComputeTimeDependent(model, ui);
  EXPECT_EQ(model.minutes.ServiceCapacity[0], 0);
}

}  // namespace
}  // namespace morvane
