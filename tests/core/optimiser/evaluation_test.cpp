// Evaluation and random plans on the quick test scenario.
#include "optimiser/evaluation.h"
#include "engine/service_level.h"

#include <gtest/gtest.h>

#include <numeric>

#include "optimiser/random_solution.h"
#include "ga_scenario.h"

namespace morvane {
namespace {

using testing::GAScenario;

std::int32_t Sum(const PeriodCounts& counts) {
  return std::accumulate(counts.begin(), counts.end(), 0);
}

TEST(Evaluation, CapacityTestIsStrict) {
  GAScenario s;
  // 4 full-timers on duty 32 periods each: 128 x 0.5 = 64 against 2 x 96 = 192.
  GASolution plan;
  plan.FullTimeStarts[0] = 4;
  plan.Objective1 = 77;
  EXPECT_FALSE(EvaluateInRun(s.context, plan));
  EXPECT_EQ(plan.Objective1, 77);  // an infeasible plan keeps its values
  // 12 full-timers: 384 x 0.5 = 192, exactly the demand: still infeasible.
  plan.FullTimeStarts[0] = 12;
  EXPECT_FALSE(EvaluateInRun(s.context, plan));
  EXPECT_EQ(s.state->Evaluations, 0);
}

TEST(Evaluation, FillsTheValuesOfTheChosenObjectives) {
  GAScenario s;
  GASolution plan;
  for (int p = 0; p < 96; p += 32) plan.FullTimeStarts[p] = 5;
  s.settings.FirstObjectiveIndex = 1;
  s.settings.SecondObjectiveIndex = 0;
  s.state->GAStates = 0;
  ASSERT_TRUE(EvaluateInRun(s.context, plan));
  EXPECT_EQ(s.model.staffing.StartTimes[FullTime], plan.FullTimeStarts);
  // A worker scored it: the same figures as the engine on a model of its own.
  GAScenario here;
  GASolution same = plan;
  ASSERT_TRUE(evaluate_chromosome(here.model, s.settings, 0, same, here.ui));
  EXPECT_EQ(plan.PersonHours, here.model.steps.TotalPersonHours);
  EXPECT_EQ(plan.MaxPWait, here.model.steps.MaxPWait);
  EXPECT_EQ(plan.TotalCost, plan.PersonHours * 12 + 15 * 125);
  EXPECT_EQ(plan.Objective1, plan.MaxPWait);
  EXPECT_EQ(plan.Objective2, plan.TotalCost);
  EXPECT_EQ(plan.StatesUsed, 100);  // GAStates 0 still starts at 100 states
  EXPECT_GT(plan.MaxPWait, 0);
  EXPECT_EQ(s.state->Evaluations, 1);
  // The service figures only when an objective reads them.
  EXPECT_EQ(plan.MinutesBelowServiceTarget, 0);
  s.settings.SecondObjectiveIndex = kObjectiveService;
  ASSERT_TRUE(EvaluateInRun(s.context, plan));
  EXPECT_EQ(plan.MinutesBelowServiceTarget, TimeDepServiceDay(here.model).minutesBelowTarget);
  EXPECT_GT(plan.MinutesBelowServiceTarget, 0);
  // Callers who hang up, and the objective that counts them.
  s.model.inputs.PatienceSeconds = 120;
  s.settings.SecondObjectiveIndex = kObjectiveAbandon;
  ASSERT_TRUE(EvaluateInRun(s.context, plan));
  EXPECT_GT(plan.Abandonment, 0);
  EXPECT_EQ(plan.Objective2, plan.Abandonment);
}

TEST(Evaluation, OutsideARunTheServersAreAnnounced) {
  GAScenario s;
  s.ui.allowMessages();
  s.model.flags.InteractiveMode = true;
  GASolution plan;
  plan.PartTimeStarts[3] = 2;
  EXPECT_FALSE(EvaluateInRun(s.context, plan));
  EXPECT_EQ(s.ui.messages, std::vector<std::string>{"MaxServers = 2"});
}

TEST(RandomSolution, PlansStayWithinMaxCostAndRepeatFromTheSeed) {
  GAScenario a, b;
  for (int i = 0; i < 3; ++i) {
    GASolution x, y;
    ASSERT_TRUE(generate_random_solution(a.context, x));
    ASSERT_TRUE(generate_random_solution(b.context, y));
    EXPECT_EQ(x.FullTimeStarts, y.FullTimeStarts);
    EXPECT_EQ(x.PartTimeStarts, y.PartTimeStarts);
    EXPECT_EQ(x.Objective1, y.Objective1);
    EXPECT_EQ(x.Origin, PlanOrigin::Random);
    EXPECT_EQ(x.NumFullTime, Sum(x.FullTimeStarts));
    const Real cost = x.NumFullTime * 125.0L + x.NumPartTime * 70.0L;
    EXPECT_LE(cost, 2000);
    EXPECT_GT(cost, 2000 - 70);  // no further part-timer fits
  }
}

TEST(RandomSolution, BiasAndIntervalShapeThePlan) {
  GAScenario s;
  s.settings.FullTimeBias = -1;
  s.settings.StartInterval = 48;
  s.settings.MaxCost = 3000;  // 42 part-timers x 12 periods x 0.5 = 252 > 192
  GASolution plan;
  ASSERT_TRUE(generate_random_solution(s.context, plan));
  EXPECT_EQ(plan.NumFullTime, 0);
  EXPECT_EQ(plan.NumPartTime, 42);
  EXPECT_EQ(plan.PartTimeStarts[0] + plan.PartTimeStarts[48], 42);
}

TEST(RandomSolution, GivesUpWhenNoPlanWithinMaxCostCanBeFeasible) {
  GAScenario s;
  s.settings.MaxCost = 0;  // the value at program start: every plan is empty
  GASolution plan;
  EXPECT_FALSE(generate_random_solution(s.context, plan));
  EXPECT_EQ(NoFeasiblePlanMessage(s.settings, kFixedLocale),
            "No random plan within the maximum cost of $0.00 passed the capacity test in 100000 "
            "tries.\rRaise the maximum cost, or check the duty schedules and costs.");
}

TEST(RandomSolution, ATinyPartTimeCostStopsAtTheLargestPlan) {
  GAScenario s;
  s.model.inputs.PartTimeCost = 1e-9L;
  s.settings.FullTimeBias = -1;
  s.settings.MaxCost = 100;
  GASolution plan;
  ASSERT_TRUE(generate_random_solution(s.context, plan));
  EXPECT_EQ(plan.NumPartTime, kMaxEmployeesPerPlan);
}

}  // namespace
}  // namespace morvane
