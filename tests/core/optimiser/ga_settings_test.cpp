#include "optimiser/ga_settings.h"

#include <gtest/gtest.h>

#include "optimiser/evaluation.h"

namespace morvane {
namespace {

TEST(GASettings, MinCostAndResetWithTheDefaults) {
  Model model;
  // r = 10 * 96 / (32 * 2.5) = 12 exactly, so n = 13.
  EXPECT_EQ(MinCost(model), 1625.0);
  model.inputs.MeanDemand = 9;  // r = 10.8, n = 11
  EXPECT_EQ(MinCost(model), 1375.0);
  model.inputs.MeanDemand = 10;
  GASettings settings;
  EXPECT_EQ(settings.MaxCost, 0);
  settings.NumberToCarryOver = 7;
  settings.AllowSwap = false;
  settings.Evaluation = Precision::Double;
  settings.PopulationSize = 40;
  settings.SecondObjectiveIndex = 1;
  model.CriticalPWait = 0.5L;
  ResetGASettings(settings, model);
  EXPECT_EQ(settings.MaxCost, 2000);
  EXPECT_EQ(settings.PopulationSize, 25);
  EXPECT_EQ(settings.SecondObjectiveIndex, 3);
  EXPECT_EQ(settings.NumberToCarryOver, 7);
  EXPECT_FALSE(settings.AllowSwap);
  EXPECT_EQ(settings.Evaluation, Precision::Double);
  EXPECT_EQ(model.CriticalPWait, 0.2L);
}

// MinCost and the capacity test follow the forecast's mean, not the sine's.
TEST(GASettings, MinCostAndTheCapacityTestFollowAForecast) {
  Model model;
  model.inputs.Forecast = DemandForecast{"day.csv", 720, {4, 14}};  // mean 9: r = 10.8, n = 11
  EXPECT_EQ(MinCost(model), 1375.0);
  model.staffing.OnDutyByPeriod[OnDutyTotal].fill(4);  // 4 x 96 x 2.5 = 960 > 9 x 96
  EXPECT_TRUE(PassesCapacityTest(model));
  model.inputs.Forecast->Rates = {4, 18};  // mean 11: 1056 > 960
  EXPECT_FALSE(PassesCapacityTest(model));
}

TEST(GASettings, MaxCostIsCheckedAgainstMinCostAndRaisedToIt) {
  Model model;
  GASettings settings;
  EntryOutcome outcome = MaxCostEditExit("1000", settings, model);
  EXPECT_FALSE(outcome.stored);
  EXPECT_EQ(outcome.warnings.at(0),
            "Invalid Parameter Value.  Must have 1625.00 <= X <= 1625000.00");
  EXPECT_EQ(settings.MaxCost, 1625);  // 0 at program start, raised to MinCost
  EXPECT_TRUE(MaxCostEditExit("3000", settings, model).stored);
  EXPECT_EQ(settings.MaxCost, 3000);
}

TEST(GASettings, FullTimeTemplateWithoutDutyHasNoMinCost) {
  Model model;
  model.staffing.DutyTemplate[FullTime].fill(0);
  EXPECT_FALSE(MinCost(model));
  EXPECT_FALSE(FullTimeCheaper(model));
  GASettings settings;
  settings.MaxCost = 500;
  const EntryOutcome outcome = MaxCostEditExit("3000", settings, model);
  EXPECT_FALSE(outcome.stored);
  ASSERT_EQ(outcome.warnings.size(), 1u);
  EXPECT_NE(outcome.warnings[0].find("no period on duty"), std::string::npos);
  EXPECT_EQ(settings.MaxCost, 500);
}

TEST(GASettings, FullTimeCheaperComparesCostPerPeriodOnDuty) {
  Model model;  // 125 / 32 < 70 / 12
  EXPECT_TRUE(FullTimeCheaper(model));
  model.inputs.PartTimeCost = 30;  // 30 / 12 = 2.5 < 3.9
  EXPECT_FALSE(FullTimeCheaper(model));
  model.staffing.DutyTemplate[PartTime].fill(0);  // part-timers serve no one
  EXPECT_TRUE(FullTimeCheaper(model));
}

TEST(GASettings, BlockAndNoChangeSettingsFollowTheirBounds) {
  GASettings settings;
  settings.NumberToImport = 10;
  settings.NumberToCarryOver = 20;
  EXPECT_TRUE(InitPopEditExit("5", settings).stored);
  EXPECT_EQ(settings.NumberToImport, 3);
  EXPECT_EQ(settings.NumberToCarryOver, 3);
  EXPECT_FALSE(CarryOverEditExit("4", settings).stored);
  EXPECT_FALSE(InitPopEditExit("251", settings).stored);
  EXPECT_TRUE(MaxGenEditExit("30", settings).stored);
  EXPECT_EQ(settings.MaxGenNoChange, 30);
  EXPECT_FALSE(MaxGenNoChangeEditExit("31", settings).stored);
  // No generations at all: the run is the initial population, the box stays usable.
  EXPECT_TRUE(MaxGenEditExit("0", settings).stored);
  EXPECT_EQ(settings.MaxGenNoChange, 1);
  EXPECT_TRUE(MaxGenNoChangeEditExit("1", settings).warnings.empty());
  EXPECT_FALSE(BiasEditExit("2.5", settings).stored);
  EXPECT_TRUE(RandSeedEditExit("-2000000000", settings).stored);
  // Worker threads: 0 stands for one per core, which the box shows.
  EXPECT_GE(WorkerThreads(0), 1);
  EXPECT_EQ(WorkerThreads(5), 5);
  EXPECT_FALSE(ThreadsEditExit("0", settings).stored);
  EXPECT_EQ(settings.Threads, 0);
  EXPECT_TRUE(ThreadsEditExit("64", settings).stored);
  EXPECT_EQ(settings.Threads, 64);
}

TEST(GASettings, ObjectiveClashResetsTheSecondToNone) {
  GASettings settings;
  EXPECT_FALSE(ChooseSecondObjective(settings, 1));
  EXPECT_TRUE(settings.twoObjectives());
  EXPECT_FALSE(ImprovementOptionsEnabled(settings));
  EXPECT_TRUE(ChooseFirstObjective(settings, 1));
  EXPECT_EQ(settings.SecondObjectiveIndex, 3);
  EXPECT_TRUE(ChooseSecondObjective(settings, 1));
  EXPECT_EQ(settings.SecondObjectiveIndex, 3);
  EXPECT_EQ(kObjectiveClashMessage,
            "Objective 2 cannot bethe same as objective 1.\rObjective 2 will be reset to NONE");
}

TEST(GASettings, ImprovementChecksAndStartIntervals) {
  GASettings settings;
  settings.ImproveBest = true;
  settings.ImproveCarryOver = true;
  SetImproveBest(settings, false);
  EXPECT_FALSE(settings.ImproveCarryOver);
  settings.ImproveLast = false;
  EXPECT_FALSE(AllowSwapEnabled(settings));
  EXPECT_EQ(StartIntervalOfItem(4), 8);
  EXPECT_EQ(StartIntervalOfItem(9), 48);
  EXPECT_EQ(StartIntervalOfItem(10), 1);
  EXPECT_EQ(ItemOfStartInterval(6), 3);
  EXPECT_FALSE(ItemOfStartInterval(5));
}

}  // namespace
}  // namespace morvane
