#include "optimiser/ga_solution.h"

#include <gtest/gtest.h>

#include <memory>

namespace morvane {
namespace {

TEST(GASolution, BestOfPopulationTakesTheFirstOfEqualValues) {
  auto population = std::make_unique<Population>();
  for (int i = 1; i <= 5; ++i) (*population)[i].Objective1 = 10 - (i % 3);
  // values 9, 8, 10, 9, 8
  const BestMember best = BestOfPopulation(*population, 5);
  EXPECT_EQ(best.index, 2);
  EXPECT_EQ(best.value, 8);
  for (int i = 1; i <= 5; ++i) (*population)[i].Objective1 = 1e30L;
  EXPECT_EQ(BestOfPopulation(*population, 5).index, -1);
}

TEST(GASolution, UniquenessLooksAtObjectiveAndStartsOfEarlierMembers) {
  auto population = std::make_unique<Population>();
  GASolution plan;
  plan.Objective1 = 3;
  plan.FullTimeStarts[4] = 2;
  (*population)[2] = plan;
  EXPECT_TRUE(IsUniquePlan(2, *population, plan));  // member 2 itself is not looked at
  EXPECT_FALSE(IsUniquePlan(3, *population, plan));
  GASolution other = plan;
  other.Objective1 = 3.0000001L;  // same starts, evaluated with other states
  EXPECT_TRUE(IsUniquePlan(3, *population, other));
  other = plan;
  other.PartTimeStarts[95] = 1;
  EXPECT_TRUE(IsUniquePlan(3, *population, other));
}

TEST(GASolution, ObjectiveTextShowsTheChosenObjectivesInTheirFormats) {
  GASolution plan;
  plan.TotalCost = 1234.567L;
  plan.MaxPWait = 0.123456L;
  plan.MinutesOverLimit = 1234.56L;
  plan.PersonHours = 12.3456789L;
  plan.NumFullTime = 14;
  plan.NumPartTime = 3;
  GASettings settings;
  EXPECT_EQ(ObjectiveText(plan, settings, kFixedLocale), "$1,234.57");
  settings.FirstObjectiveIndex = 1;
  settings.SecondObjectiveIndex = 2;
  EXPECT_EQ(ObjectiveText(plan, settings, kFixedLocale), "0.1235 / 1,234.6");
  settings.FirstObjectiveIndex = 2;
  settings.SecondObjectiveIndex = 0;
  EXPECT_EQ(ObjectiveText(plan, settings, kFixedLocale), "1,234.6 / $1,234.57");
  EXPECT_EQ(HoursText(plan, 12, kFixedLocale), "   HRS Full/Part = 12.34568   14/3");
  EXPECT_EQ(ObjectiveValue(plan, 3), 0);
}

}  // namespace
}  // namespace morvane
