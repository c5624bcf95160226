// The local improvement on the quick test scenario.
#include "optimiser/local_improvement.h"

#include <gtest/gtest.h>

#include <regex>

#include "optimiser/evaluation.h"
#include "optimiser/part_time_swap.h"
#include "ga_scenario.h"

namespace morvane {
namespace {

using testing::GAScenario;

TEST(PartTimeSwap, DefaultTemplatesCoverPartTimersTwelveToTwentyPeriodsApart) {
  const StaffingState staffing;  // 32 and 12 periods on duty, both wrapping
  for (int p = 0; p < kPeriods; ++p)
    for (int d = 1; d < kPeriods; ++d)
      EXPECT_EQ(SwapCovers(staffing, p, (p + d) % kPeriods), d >= 12 && d <= 20) << p << " " << d;
}

TEST(PartTimeSwap, WithoutWrappingLateShiftsStopAtMidnight) {
  StaffingState staffing;
  EXPECT_TRUE(SwapCovers(staffing, 80, 92));   // both wrap into the early periods
  staffing.FullTimeWraps = false;              // the full shift ends at midnight,
  EXPECT_FALSE(SwapCovers(staffing, 80, 92));  // the second part shift does not
  staffing.PartTimeWraps = false;
  EXPECT_TRUE(SwapCovers(staffing, 80, 92));
  GASolution plan;
  plan.PartTimeStarts[10] = 1;
  plan.PartTimeStarts[25] = 1;
  plan.PartTimeStarts[40] = 1;
  EXPECT_EQ(SwapPartner(StaffingState{}, plan, 10), 25);
  EXPECT_EQ(SwapPartner(StaffingState{}, plan, 40), std::nullopt);  // 10 is 66 periods on
}

TEST(LocalImprovement, NothingHappensForCountZeroOrAnImprovedMember) {
  GAScenario s;
  s.randomPopulation(5);
  s.ui.report.clear();
  DoImprovements(s.context, 0, s.state->population);
  EXPECT_TRUE(s.ui.report.empty());
  for (int i = 1; i <= 5; ++i) s.state->population[i].Improved = true;
  DoImprovements(s.context, 2, s.state->population);
  EXPECT_EQ(s.ui.report, (std::vector<std::string>{"", "", ""}));
}

// One member: 7 full-timers at periods 0 and 48, part-timers at 0 and 12 (a
// pair the swap covers), starts every 12 hours. No minute can be over a critical
// P(wait) of 1, so with that objective no move ever improves and a cycle stalls.
GASolution& StalledPlan(GAScenario& s, bool allowSwap) {
  s.settings.FirstObjectiveIndex = 2;
  s.model.CriticalPWait = 1;
  s.settings.PopulationSize = 1;
  s.settings.StartInterval = 48;
  s.settings.AllowSwap = allowSwap;
  s.state->FullTimeCheaper = true;
  GASolution& plan = s.state->population[1];
  plan.FullTimeStarts[0] = 7;
  plan.FullTimeStarts[48] = 7;
  plan.PartTimeStarts[0] = 1;
  plan.PartTimeStarts[12] = 1;
  plan.NumFullTime = 14;
  plan.NumPartTime = 2;
  EXPECT_TRUE(EvaluateInRun(s.context, plan));
  return plan;
}

TEST(LocalImprovement, AStalledCycleSwapsTwoPartTimersForOneFullTimer) {
  GAScenario s;
  GASolution& plan = StalledPlan(s, true);
  DoImprovements(s.context, 1, s.state->population);
  const std::regex first(
      R"(WORKING ON SOL\. 1 WITH 0 CYCLES DONE, VALUE = 0\.0   HRS Full/Part = [0-9,]+\.[0-9]{5}   14/2)");
  EXPECT_EQ(std::count_if(s.ui.report.begin(), s.ui.report.end(),
                          [&](const std::string& line) { return std::regex_match(line, first); }),
            1);
  EXPECT_TRUE(s.reportHas("Swapping two part timers starting in periods 0 and 12"));
  EXPECT_TRUE(s.reportHas("      for one full timer starting in period  0"));
  EXPECT_TRUE(s.reportHas("      at a labor cost savings of $15.00"));
  EXPECT_TRUE(plan.Improved);
  EXPECT_EQ(plan.NumFullTime, 15);
  EXPECT_EQ(plan.NumPartTime, 0);
  EXPECT_EQ(plan.Objective1, 0);  // the swap's saving of 15 was replaced by the evaluation
  // The second cycle starts from the swapped plan; the report shows minutes, not Objective1.
  EXPECT_TRUE(
      std::regex_match(s.ui.report[1], std::regex("WORKING ON SOL\\. 1 WITH 1 CYCLES .* 15/0")))
      << s.ui.report[1];
}

TEST(LocalImprovement, NoSwapWhenItIsNotAllowed) {
  GAScenario s;
  GASolution& plan = StalledPlan(s, false);
  DoImprovements(s.context, 1, s.state->population);
  for (const std::string& line : s.ui.report) EXPECT_EQ(line.find("Swapping"), std::string::npos);
  EXPECT_EQ(plan.NumPartTime, 2);
}

TEST(LocalImprovement, AStopRequestTreatsNoFurtherMember) {
  GAScenario s;
  s.randomPopulation(5);
  s.ui.report.clear();
  s.state->StopRequested = true;
  DoImprovements(s.context, 3, s.state->population);
  EXPECT_EQ(s.ui.report, (std::vector<std::string>{""}));
  for (int i = 1; i <= 5; ++i) EXPECT_FALSE(s.state->population[i].Improved);
}

}  // namespace
}  // namespace morvane
