// Whole GA runs on the quick test scenario: small populations, few generations.
#include "optimiser/ga_run.h"

#include <gtest/gtest.h>

#include <regex>

#include "ga_scenario.h"

namespace morvane {
namespace {

using testing::GAScenario;

TEST(GARun, ARunReportsNewestFirstAndInstallsTheBestPlan) {
  GAScenario s;
  const RunResult result = DoGAClick(s.context);
  EXPECT_EQ(result.end, RunEnd::Finished);
  EXPECT_EQ(result.generations, 2);
  const auto& r = s.ui.report;
  ASSERT_GT(r.size(), 30u);
  EXPECT_EQ(std::vector<std::string>(r.begin(), r.begin() + 5),
            (std::vector<std::string>{"GA FINISHED", "", "",
                                      "Elapsed execution time = 0.000 seconds", ""}));
  EXPECT_EQ(r[5], "Best cost = " + NumberText(result.best.value, 15, 2, kFixedLocale) +
                      "  Best Index = " + std::to_string(result.best.index));
  EXPECT_TRUE(std::regex_match(
      r.back(),
      std::regex(R"(1   Val = \$[0-9,.]+   HRS Full/Part = [0-9,.]+   [0-9]+/[0-9]+   BEST)")))
      << r.back();
  EXPECT_TRUE(s.reportHas("Gen 2"));
  EXPECT_TRUE(s.reportHas(std::string(44, '-')));
  EXPECT_TRUE(std::regex_match(
      r[7],
      std::regex(R"(Best = [0-9,]+\.[0-9]{2}    At Index = [1-5]   Gen\. w/out change = [0-9]+)")))
      << r[7];
  // The best plan is in the grid and in the model, with every display on again.
  ASSERT_EQ(s.observer.chosen.size(), 1u);
  EXPECT_EQ(s.model.staffing.StartTimes[FullTime], s.observer.chosen[0].FullTimeStarts);
  EXPECT_TRUE(s.model.flags.InteractiveMode && s.model.flags.DrawCharts &&
              s.model.flags.ShowWarnings);
  EXPECT_EQ(s.observer.plots.size(), 3u);  // generations 0, 1 and 2
  EXPECT_GT(s.state->Evaluations, 10);
  // With one objective too, each generation's carried-over plan (the best going
  // in) goes to the tradeoff chart, at (Objective1, 0).
  ASSERT_EQ(s.observer.carried.size(), 2u);
  for (std::size_t g = 0; g < 2; ++g) EXPECT_EQ(s.observer.carried[g], std::make_pair(s.observer.plots[g].best, 0.0));
}

TEST(GARun, TheSameSeedGivesTheSameRun) {
  GAScenario a, b;
  a.settings.ImproveBest = b.settings.ImproveBest = true;
  a.settings.StartInterval = b.settings.StartInterval = 24;
  DoGAClick(a.context);
  DoGAClick(b.context);
  EXPECT_EQ(a.ui.report, b.ui.report);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(a.state->population[i].FullTimeStarts, b.state->population[i].FullTimeStarts);
    EXPECT_EQ(a.state->population[i].Objective1, b.state->population[i].Objective1);
  }
  EXPECT_TRUE(std::any_of(a.ui.report.begin(), a.ui.report.end(), [](const std::string& line) {
    return line.rfind("WORKING ON SOL. ", 0) == 0;
  }));
}

TEST(GARun, StopRequestEndsTheRunAfterTheCurrentGeneration) {
  GAScenario s;
  s.settings.ImproveLast = true;
  s.observer.onPlot = [&](const GenerationPlot&) { s.state->StopRequested = true; };
  const RunResult result = DoGAClick(s.context);
  EXPECT_EQ(result.end, RunEnd::Stopped);
  EXPECT_EQ(result.generations, 0);
  EXPECT_EQ(s.ui.report.front(), "GA STOPPED AT USER REQUEST");
  EXPECT_TRUE(s.reportHas("PROGRAM TERMINATED PREMATURELY"));
  for (const auto& line : s.ui.report) EXPECT_EQ(line.find("WORKING ON SOL."), std::string::npos);
}

TEST(GARun, ALowMaxCostIsOnlyWarnedAbout) {
  GAScenario s;
  s.settings.MaxCost = 500;  // below 125 x 2 / 0.5 + 1 = 501
  s.ui.answer(false);
  EXPECT_EQ(DoGAClick(s.context).end, RunEnd::Declined);
  EXPECT_EQ(s.ui.questions.at(0),
            "Warning ... \rMaximum cost of 500.00 appears to be too low.\rDo you really want to "
            "continue?");
  EXPECT_EQ(s.ui.questionKinds.at(0), MessageKind::Warning);
  EXPECT_TRUE(s.ui.report.empty());
}

TEST(GARun, NoFeasiblePlanEndsTheRunWithThePopulationIntact) {
  GAScenario s;
  s.randomPopulation(5);
  const Population before = s.state->population;
  s.settings.MaxCost = 0;  // the value at program start
  s.ui.answer(true);
  s.ui.allowMessages();
  EXPECT_EQ(DoGAClick(s.context).end, RunEnd::Failed);
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0], NoFeasiblePlanMessage(s.settings, kFixedLocale));
  EXPECT_EQ(s.ui.report.front(), "GA ENDED EARLY");
  for (int i = 1; i <= 5; ++i)
    EXPECT_EQ(s.state->population[i].FullTimeStarts, before[i].FullTimeStarts);
  EXPECT_TRUE(s.model.flags.InteractiveMode);
}

TEST(GARun, AFreePartTimerIsRefused) {
  GAScenario s;
  s.model.inputs.PartTimeCost = 0;
  s.ui.allowMessages();
  EXPECT_EQ(DoGAClick(s.context).end, RunEnd::Refused);
  EXPECT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0].rfind("A part-time cost of 0", 0), 0u);
}

TEST(GARun, AGenerationThatCannotBeCompletedEndsTheRunEarly) {
  GAScenario s;
  s.ui.allowMessages();
  s.settings.NumberToImport = 0;
  s.observer.onPlot = [&](const GenerationPlot&) { s.settings.MaxCost = 100; };
  const RunResult result = DoGAClick(s.context);
  EXPECT_EQ(result.end, RunEnd::EndedEarly);
  EXPECT_EQ(s.ui.report.front(), "GA ENDED EARLY");
  EXPECT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.observer.chosen.size(), 1u);  // the last complete generation's best
}

TEST(GARun, TwoObjectivesTrackTheNonInferiorSet) {
  GAScenario s;
  s.settings.SecondObjectiveIndex = 1;
  s.settings.MaxGenerations = 1;
  DoGAClick(s.context);
  EXPECT_TRUE(s.reportHas(
      "NonInferior Area = " + NumberText(s.state->tradeoff.NonInferiorArea, 15, 3, kFixedLocale) +
      "     Last area = " + NumberText(1e30L, 15, 3, kFixedLocale)));
  EXPECT_TRUE(
      s.reportHas("NonInferior number = " + std::to_string(s.state->tradeoff.NonInferiorCount) +
                  "     Last NonInferior Number = -1"));
  EXPECT_TRUE(s.reportHas("Best_multi_obj = True    Current GAGenNoChange = 0"));
  EXPECT_TRUE(s.reportHas("==>    Revised GAGenNoChange = 0"));
  // Initial population, the generation, the end of the loop and the final chart.
  ASSERT_EQ(s.observer.charts.size(), 4u);
  EXPECT_EQ(s.observer.charts.back().CarryOver.size(),
            static_cast<std::size_t>(s.state->ActualCarryOver));
}

}  // namespace
}  // namespace morvane
