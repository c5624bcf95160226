#include "optimiser/breeding.h"

#include <gtest/gtest.h>

#include <numeric>

namespace morvane {
namespace {

Roulette FiveRanked() {
  ExtendedKeys keys{};
  for (int i = 1; i <= 5; ++i) keys[i] = i;  // fitness 8, 7, 6, 5, 4; total 30
  return MakeRoulette(keys, 5, 1, 5);
}

TEST(Breeding, RouletteFitnessAndSelection) {
  const Roulette roulette = FiveRanked();
  EXPECT_EQ(roulette.total, 30);
  EXPECT_EQ(roulette.fitness[1], 8);
  EXPECT_EQ(roulette.fitness[5], 4);
  EXPECT_EQ(SelectParent(roulette, 0), 1);
  EXPECT_EQ(SelectParent(roulette, 8), 1);
  EXPECT_EQ(SelectParent(roulette, 8.5L), 2);
  EXPECT_EQ(SelectParent(roulette, 30), 5);
  EXPECT_EQ(SelectParent(roulette, 99), 5);
}

TEST(Breeding, ParentsDifferAlsoWhenAllPlansRankAlike) {
  RandomGenerator random;
  random.seed(1);
  for (int i = 0; i < 50; ++i) {
    const Parents parents = ChooseParents(FiveRanked(), random);
    EXPECT_NE(parents.mother, parents.father);
    EXPECT_FALSE(parents.drawnEvenly);
  }
  ExtendedKeys equal{};
  equal.fill(3);
  const Roulette flat = MakeRoulette(equal, 5, 3, 3);  // total fitness 0
  for (int i = 0; i < 50; ++i) {
    const Parents parents = ChooseParents(flat, random);
    EXPECT_EQ(parents.father, 1);
    EXPECT_GE(parents.mother, 2);
    EXPECT_LE(parents.mother, 5);
    EXPECT_TRUE(parents.drawnEvenly);
  }
}

TEST(Breeding, CrossOverTakesTheMothersPartTimersAndCutsTheFullTimers) {
  GASolution mother, father, child;
  mother.FullTimeStarts.fill(1);
  mother.PartTimeStarts.fill(3);
  father.FullTimeStarts.fill(2);
  father.PartTimeStarts.fill(4);
  child.Objective1 = 55;
  RandomGenerator random;
  random.seed(139753);  // first draw 42: the cut is after period 42
  CrossOver(mother, father, child, random);
  EXPECT_EQ(child.PartTimeStarts, mother.PartTimeStarts);
  EXPECT_EQ(child.FullTimeStarts[42], 1);
  EXPECT_EQ(child.FullTimeStarts[43], 2);
  EXPECT_EQ(child.Objective1, 55);
}

TEST(Breeding, RepairRemovesRandomEmployeesUntilWithinMaxCost) {
  GASolution plan;
  plan.FullTimeStarts[0] = 10;
  plan.FullTimeStarts[50] = 10;
  plan.PartTimeStarts[95] = 10;
  RandomGenerator random;
  random.seed(5);
  RepairToMaxCost(plan, 125, 70, 1000, random);
  const int ft = std::accumulate(plan.FullTimeStarts.begin(), plan.FullTimeStarts.end(), 0);
  const int pt = std::accumulate(plan.PartTimeStarts.begin(), plan.PartTimeStarts.end(), 0);
  EXPECT_EQ(plan.NumFullTime, ft);
  EXPECT_EQ(plan.NumPartTime, pt);
  EXPECT_LE(ft * 125 + pt * 70, 1000);
  EXPECT_GT(ft * 125 + pt * 70, 1000 - 125);
  for (const auto* starts : {&plan.FullTimeStarts, &plan.PartTimeStarts})
    for (const auto count : *starts) EXPECT_GE(count, 0);
  RepairToMaxCost(plan, 125, 70, -1, random);  // nothing left to remove: the loop ends
  EXPECT_EQ(plan.NumFullTime + plan.NumPartTime, 0);
}

}  // namespace
}  // namespace morvane
