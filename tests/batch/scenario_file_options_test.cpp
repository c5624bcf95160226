// Scenario files on the command line: a scenario the window saved gives the
// window's figures, later options change it, and --save-scenario keeps what ran.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "batch/batch_run.h"
#include "batch/option_parser.h"
#include "engine/steady_state.h"
#include "engine/time_dependent_solver.h"
#include "scenario/scenario_file.h"
#include "support/scripted_user_interface.h"

namespace morvane::batch {
namespace {

// A day with a plan in force, whose GA settings score plans in double precision.
Scenario PlannedDay() {
  Scenario scenario;
  scenario.inputs.MeanDemand = 8.3L;
  scenario.inputs.ServiceRate = 3.1L;
  scenario.inputs.TimeStepSeconds = 120;
  scenario.CriticalPWait = 0.3L;
  ScenarioPlan plan;
  for (const int period : {0, 32, 64}) plan.StartTimes[FullTime][period] = 3;
  plan.StartTimes[PartTime][40] = 2;
  scenario.plan = plan;
  scenario.ga.Evaluation = Precision::Double;
  return scenario;
}

class ScenarioOptionsTest : public ::testing::Test {
 protected:
  std::string file(const std::string& name) {
    return (std::filesystem::path(::testing::TempDir()) / name).string();
  }
  std::optional<std::string> parse(const std::vector<std::string>& arguments) {
    return ParseArguments(arguments, BatchOptionGroups(), *request);
  }

  std::unique_ptr<BatchRequest> request = std::make_unique<BatchRequest>();
  testing::ScriptedUserInterface ui;
};

TEST_F(ScenarioOptionsTest, ASavedScenarioGivesTheFiguresOfTheWindow) {
  const std::string path = file("planned.morvane");
  ASSERT_TRUE(WriteScenarioFile(PlannedDay(), path, ui));
  // The window: the scenario opened, then both computations (always in extended precision).
  auto window = std::make_unique<Model>();
  GASettings settings;
  ApplyScenario(PlannedDay(), *window, settings);
  ASSERT_TRUE(ComputeSteadyState(*window, ui) && ComputeTimeDependent(*window, ui));

  ASSERT_FALSE(parse({"--scenario", path, "--save-scenario", file("again.morvane")}));
  std::ostringstream out;
  ASSERT_EQ(RunBatch(*request, out, ui), kExitDone);
  const Model& batch = request->model;
  EXPECT_EQ(batch.steps.precision, Precision::Extended);
  EXPECT_EQ(batch.steps.TotalPersonHours, window->steps.TotalPersonHours);
  EXPECT_EQ(batch.steps.MaxPWait, window->steps.MaxPWait);
  EXPECT_EQ(batch.staffing.LaborCost, window->staffing.LaborCost);
  EXPECT_EQ(batch.steps.MinutesOverLimit, window->steps.MinutesOverLimit);
  EXPECT_EQ(LoadScenarioFile(file("again.morvane")).scenario, PlannedDay());
}

TEST_F(ScenarioOptionsTest, OptionsAfterTheScenarioChangeItAndOptionsBeforeItAreReplaced) {
  const std::string path = file("planned.morvane");
  ASSERT_TRUE(WriteScenarioFile(PlannedDay(), path, ui));
  ASSERT_FALSE(parse({"--servers", "9", "--max-cost", "5000", "--scenario", path,
                      "--mean-demand", "12", "--no-pt-wrap"}));
  const Model& model = request->model;
  EXPECT_EQ(model.inputs.BaseServers, 6);
  EXPECT_EQ(model.inputs.MeanDemand, 12);
  EXPECT_EQ(model.inputs.ServiceRate, 3.1L);
  EXPECT_FALSE(model.staffing.PartTimeWraps);
  EXPECT_FALSE(model.flags.UseBaseServers);
  EXPECT_TRUE(request->ga.maxCostText.empty());
  EXPECT_EQ(request->ga.settings.Evaluation, Precision::Double);

  const auto refusal = parse({"--scenario", file("missing.morvane")});
  ASSERT_TRUE(refusal);
  EXPECT_NE(refusal->find("File <missing.morvane> was not opened"), std::string::npos);
}

}  // namespace
}  // namespace morvane::batch
