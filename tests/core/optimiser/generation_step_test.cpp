// The generation step on the quick test scenario.
#include "optimiser/generation_step.h"

#include <gtest/gtest.h>

#include <regex>

#include "ga_scenario.h"

namespace morvane {
namespace {

using testing::GAScenario;

TEST(GenerationStep, TwoObjectiveBlockSizes) {
  const BlockSizes grown = TwoObjectiveBlocks(3, 0, 4, 16, 25);
  EXPECT_EQ(grown.carryOver, 6);
  EXPECT_EQ(grown.import, 4);
  EXPECT_EQ(grown.populationSize, 26);
  EXPECT_EQ(grown.maxOnTradeoff, 3);
  EXPECT_EQ(TwoObjectiveBlocks(2, 3, 4, 16, 26).carryOver, 6);  // the largest count so far
  const BlockSizes full = TwoObjectiveBlocks(120, 0, 4, 16, 25);
  EXPECT_EQ(full.populationSize, 250);
  EXPECT_EQ(full.carryOver, 230);
  EXPECT_EQ(full.import, 4);
  const BlockSizes crowded = TwoObjectiveBlocks(240, 0, 4, 16, 250);
  EXPECT_EQ(crowded.carryOver, 240);
  EXPECT_EQ(crowded.import, 0);
}

TEST(GenerationStep, OneObjectiveReportAndBlocks) {
  GAScenario s;
  s.randomPopulation(5);
  s.state->GenerationCount = 1;
  s.ui.report.clear();
  ASSERT_FALSE(Generate_new_generation(s.context, 1234.5L));
  const auto& r = s.ui.report;  // newest first
  const std::size_t n = r.size();
  EXPECT_EQ(r[n - 1], "Best solution going in = 1,234.50");
  EXPECT_EQ(r[n - 2], "");
  const std::string money = R"(\$[0-9,]+\.[0-9]{2})";
  const std::string hours = R"(   HRS Full/Part = [0-9,]+\.[0-9]{5}   [0-9]+/[0-9]+)";
  EXPECT_TRUE(std::regex_match(
      r[n - 3], std::regex("I = 1   Val = " + money + "   Elite       NOT IMPROVED" + hours +
                           "   States = 100")))
      << r[n - 3];
  EXPECT_TRUE(
      std::regex_match(r[n - 4], std::regex("I = 2   Val = " + money + "   Random" + hours)))
      << r[n - 4];
  const std::regex cross("I = [345]   Val = " + money + "    Cross   M = [1-5]\\(" + money +
                         "\\)  F = [1-5]\\(" + money + "\\)" + hours);
  EXPECT_TRUE(std::regex_match(r[0], cross)) << r[0];
  const Population& next = s.state->nextPopulation;
  EXPECT_EQ(next[1].Origin, PlanOrigin::Carry);
  EXPECT_EQ(next[2].Origin, PlanOrigin::Random);
  for (int i = 3; i <= 5; ++i) {
    EXPECT_EQ(next[i].Origin, PlanOrigin::Cross);
    EXPECT_TRUE(IsUniquePlan(i, next, next[i]));
  }
  EXPECT_EQ(next[1].Objective1, BestOfPopulation(s.state->population, 5).value);
  EXPECT_EQ(s.state->GAStates, next[1].StatesUsed);
  EXPECT_EQ(s.observer.carried.size(), 1u);
}

TEST(GenerationStep, TwoObjectivesWithThreeNonInferiorPlansGrowTo26) {
  GAScenario s;
  s.randomPopulation(25);
  s.settings.NumberToCarryOver = 5;
  s.settings.NumberToImport = 4;
  s.settings.SecondObjectiveIndex = 1;
  s.state->ImportPerGeneration = 4;
  s.state->CrossoverPerGeneration = 16;
  for (int i = 1; i <= 25; ++i) s.state->population[i].TradeoffDistance = i <= 3 ? 0 : i;
  ASSERT_FALSE(Generate_new_generation(s.context, 1e30L));
  EXPECT_EQ(s.settings.PopulationSize, 26);
  EXPECT_TRUE(s.reportHas("Number on Tradeoff          = 3"));
  EXPECT_TRUE(s.reportHas("Actual Number to Carry Over = 6"));
  EXPECT_TRUE(s.reportHas("Actual Number to Import     = 4"));
  EXPECT_TRUE(s.reportHas("Population Size             = 26"));
  EXPECT_TRUE(s.reportHas(std::string(48, '-')));
  const Population& next = s.state->nextPopulation;
  for (int i = 1; i <= 26; ++i)
    EXPECT_EQ(next[i].Origin, i <= 6    ? PlanOrigin::Carry
                              : i <= 10 ? PlanOrigin::Random
                                        : PlanOrigin::Cross);
}

TEST(GenerationStep, CarrySlotsBeyondTheRankedMembersGetRandomPlans) {
  GAScenario s;
  s.randomPopulation(5);
  s.settings.SecondObjectiveIndex = 1;
  s.state->ImportPerGeneration = 1;
  s.state->CrossoverPerGeneration = 3;
  for (int i = 1; i <= 5; ++i) s.state->population[i].TradeoffDistance = 0;
  ASSERT_FALSE(Generate_new_generation(s.context, 1e30L));
  EXPECT_EQ(s.settings.PopulationSize, 14);  // 10 carried over, 1 import, 3 children
  const Population& next = s.state->nextPopulation;
  for (int i = 6; i <= 10; ++i) {
    EXPECT_EQ(next[i].Origin, PlanOrigin::Random) << i;
    EXPECT_GT(next[i].NumFullTime + next[i].NumPartTime, 0) << i;  // not element 0
  }
}

TEST(GenerationStep, PlansThatAllRankAlikeStillGetTwoParents) {
  GAScenario s;
  s.randomPopulation(5);
  for (int i = 1; i <= 5; ++i) s.state->population[i].Objective1 = 1000;
  ASSERT_FALSE(Generate_new_generation(s.context, 1000));
  EXPECT_TRUE(s.reportHas("All plans rank alike: mothers are drawn with equal chances"));
}

TEST(GenerationStep, EndlessInfeasibleChildrenEndTheStepWithAMessage) {
  GAScenario s;
  s.randomPopulation(5);
  const auto before = s.state->population;
  s.settings.NumberToImport = 0;
  s.settings.MaxCost = 100;  // every child is cut to one part-timer
  const auto failure = Generate_new_generation(s.context, 1e30L);
  ASSERT_TRUE(failure);
  EXPECT_EQ(*failure,
            "No feasible plan unlike the others was bred for slot 2 in 200 tries.\rThe run ends "
            "with the last complete generation.");
  EXPECT_TRUE(s.reportHas(".....SOLUTION BELOW NOT FEASIBLE....."));
  EXPECT_EQ(s.settings.PopulationSize, 5);
  for (int i = 1; i <= 5; ++i)
    EXPECT_EQ(s.state->population[i].FullTimeStarts, before[i].FullTimeStarts);
}

}  // namespace
}  // namespace morvane
