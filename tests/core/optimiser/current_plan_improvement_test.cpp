// The improvement of the current plan on the quick test scenario: what it
// borrows and gives back, the swap question, and the plans it refuses.
#include "optimiser/current_plan_improvement.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "optimiser/evaluation.h"
#include "staffing/schedule_plan.h"
#include "ga_scenario.h"

namespace morvane {
namespace {

using testing::GAScenario;

// Five full-timers at 0:00, 8:00 and 16:00 and two part-timers who could make
// way for a full-timer (their shifts lie 20 periods apart).
void CurrentPlan(GAScenario& s) {
  auto& starts = s.model.staffing.StartTimes;
  starts = {};
  for (const int p : {0, 32, 64}) starts[FullTime][p] = 5;
  starts[PartTime][10] = 1;
  starts[PartTime][30] = 1;
  ASSERT_FALSE(ScheduleGridExit(s.model));
}

TEST(CurrentPlanImprovement, ImprovesThePlanAndGivesBackWhatItBorrowed) {
  GAScenario s;
  s.randomPopulation(5);
  const GASolution member1 = s.state->population[1];
  CurrentPlan(s);
  GASolution before;
  before.FullTimeStarts = s.model.staffing.StartTimes[FullTime];
  before.PartTimeStarts = s.model.staffing.StartTimes[PartTime];
  ASSERT_TRUE(evaluate_chromosome(s.model, s.settings, 100, before, s.ui));
  s.model.flags = {false, true, true, true};
  s.ui.answer(false);  // no swaps
  int shown = 0;
  const auto improved = ImproveCurrentPlan(s.context, [&] {
    ++shown;
    EXPECT_EQ(s.settings.PopulationSize, 1);
    EXPECT_FALSE(s.settings.AllowSwap);
    EXPECT_FALSE(s.model.flags.InteractiveMode || s.model.flags.DrawCharts || s.model.flags.ShowWarnings);
    EXPECT_EQ(s.settings.MaxCost, 2015);  // the plan's 15 x 125 + 2 x 70, above 4 x 125 x 2 / 0.5
  });
  ASSERT_TRUE(improved);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(s.ui.questions, std::vector<std::string>{kSwapQuestion});
  EXPECT_TRUE(improved->Improved);
  EXPECT_LE(improved->Objective1, before.Objective1);
  EXPECT_TRUE(std::any_of(s.ui.report.begin(), s.ui.report.end(), [](const std::string& line) {
    return line.starts_with("WORKING ON SOL. 1 WITH 0 CYCLES DONE, VALUE = ");
  }));
  for (const auto& line : s.ui.report) EXPECT_EQ(line.find("Swapping"), std::string::npos);
  // Member 1 and the size come back; the improved plan is the current one.
  EXPECT_EQ(s.settings.PopulationSize, 5);
  EXPECT_EQ(s.state->population[1].FullTimeStarts, member1.FullTimeStarts);
  EXPECT_EQ(s.state->population[1].Objective1, member1.Objective1);
  EXPECT_EQ(s.model.staffing.StartTimes[FullTime], improved->FullTimeStarts);
  EXPECT_EQ(s.model.staffing.StartTimes[PartTime], improved->PartTimeStarts);
  EXPECT_EQ(s.model.staffing.FullTimeCount, improved->NumFullTime);
  EXPECT_EQ(s.model.steps.TotalPersonHours, improved->PersonHours);
  EXPECT_TRUE(s.settings.AllowSwap);
  EXPECT_TRUE(s.model.flags.InteractiveMode && s.model.flags.DrawCharts);
  EXPECT_FALSE(s.model.flags.ShowWarnings);  // the caller computes the plan first
}

TEST(CurrentPlanImprovement, SwapsOnlyWhenThePlannerAllowsThem) {
  GAScenario s;
  CurrentPlan(s);
  // No minute can be over a critical P(wait) of 1, so no move improves and the
  // first cycle stalls.
  s.settings.FirstObjectiveIndex = 2;
  s.model.CriticalPWait = 1;
  s.ui.answer(true);
  const auto improved = ImproveCurrentPlan(s.context, [] {});
  ASSERT_TRUE(improved);
  EXPECT_TRUE(s.reportHas("Swapping two part timers starting in periods 10 and 30"));
  EXPECT_EQ(improved->NumFullTime, 16);
  EXPECT_EQ(improved->NumPartTime, 0);
}

// The plans are scored in the precision of the GA window's "Evaluation".
TEST(CurrentPlanImprovement, AsksNothingWithoutTwoPartTimersAndScoresInDoubleWhenChosen) {
  GAScenario s;
  s.model.staffing.StartTimes[FullTime][0] = 14;
  ASSERT_FALSE(ScheduleGridExit(s.model));
  s.settings.StartInterval = 48;
  s.settings.Evaluation = Precision::Double;
  const auto improved = ImproveCurrentPlan(s.context, [] {});
  ASSERT_TRUE(improved);
  EXPECT_TRUE(s.ui.questions.empty());
  GASolution again = *improved;
  s.model.flags.InteractiveMode = false;
  ASSERT_TRUE(evaluate_chromosome(s.model, s.settings, 100, again, s.ui));
  EXPECT_EQ(improved->PersonHours, again.PersonHours);
}

TEST(CurrentPlanImprovement, RefusesAPlanThatCannotServeTheDaysDemand) {
  GAScenario s;
  s.ui.allowMessages();
  s.randomPopulation(5);
  const GASolution member1 = s.state->population[1];
  s.model.staffing.StartTimes = {};
  s.model.staffing.StartTimes[FullTime][0] = 12;  // 12 x 32 x 0.5 = 192 = 2 x 96: not above
  bool shown = false;
  EXPECT_FALSE(ImproveCurrentPlan(s.context, [&] { shown = true; }));
  EXPECT_FALSE(shown);
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_NE(s.ui.messages[0].find("cannot serve the mean demand"), std::string::npos);
  EXPECT_TRUE(s.ui.questions.empty());
  EXPECT_EQ(s.state->population[1].FullTimeStarts, member1.FullTimeStarts);
  EXPECT_EQ(s.settings.PopulationSize, 5);
}

}  // namespace
}  // namespace morvane
