// morvane-batch --ga: the GA options against the window's ranges, and short
// runs on a quick scenario through the batch library.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "batch/batch_run.h"
#include "batch/option_parser.h"
#include "optimiser/ga_run.h"
#include "support/scripted_user_interface.h"

namespace morvane::batch {
namespace {

using morvane::testing::ScriptedUserInterface;

class GABatchTest : public ::testing::Test {
 protected:
  std::optional<std::string> parse(std::vector<std::string> arguments) {
    // Low demand served slowly: a 10-minute step stays stable and runs are quick.
    const std::vector<std::string> quick{"--mean-demand",    "2",   "--amplitude",       "1",
                                         "--service-rate",   "0.5", "--time-step",       "600",
                                         "--max-iterations", "3",   "--population",      "5",
                                         "--carry",          "1",   "--import",          "1",
                                         "--generations",    "2",   "--no-improve-last", "--ga"};
    arguments.insert(arguments.begin(), quick.begin(), quick.end());
    return ParseArguments(arguments, BatchOptionGroups(), *request);
  }
  ExitStatus run() { return RunBatch(*request, out, ui, progress); }

  std::unique_ptr<BatchRequest> request = std::make_unique<BatchRequest>();
  std::ostringstream out, progress;
  ScriptedUserInterface ui;
};

TEST_F(GABatchTest, OptionsReachTheSettingsWithinTheirRanges) {
  ASSERT_EQ(
      parse({"--seed", "-7", "--no-change", "1", "--bias", "-1", "--start-interval", "8",
             "--objective", "minutes", "--objective2", "cost", "--improve-carry", "--no-swap",
             "--threads", "3", "--precision", "double"}),
      std::nullopt);
  const GASettings& s = request->ga.settings;
  EXPECT_TRUE(request->ga.run);
  EXPECT_EQ(s.RandomSeed, -7);
  EXPECT_EQ(s.PopulationSize, 5);
  EXPECT_EQ(s.MaxGenNoChange, 1);
  EXPECT_EQ(s.FullTimeBias, -1);
  EXPECT_EQ(s.StartInterval, 8);
  EXPECT_EQ(s.FirstObjectiveIndex, 2);
  EXPECT_EQ(s.SecondObjectiveIndex, 0);
  EXPECT_TRUE(s.ImproveBest && s.ImproveCarryOver && !s.ImproveLast && !s.AllowSwap);
  EXPECT_EQ(s.Threads, 3);
  EXPECT_EQ(s.Evaluation, Precision::Double);
  EXPECT_EQ(parse({"--precision", "single"}), "--precision single: must be extended or double");
  EXPECT_EQ(parse({"--threads", "0"}), "--threads 0: must be a whole number from 1 to 64");
  EXPECT_EQ(parse({"--carry", "4"}), "--carry 4: Invalid Parameter Value.  Must have 0 <= X <= 3");
  EXPECT_EQ(parse({"--start-interval", "5"}),
            "--start-interval 5: must be one of 1, 2, 4, 6, 8, 12, 16, 24, 32, 48");
  EXPECT_EQ(parse({"--objective", "none"}),
            "--objective none: must be one of cost|maxpwait|minutes|service|labour|abandon");
  EXPECT_EQ(parse({"--population", "251"}),
            "--population 251: Invalid Parameter Value.  Must have 5 <= X <= 250");
}

TEST_F(GABatchTest, SettingsThatDependOnTheScenarioAreCheckedBeforeTheRun) {
  ASSERT_EQ(parse({"--max-cost", "100"}), std::nullopt);
  ui.allowMessages();
  EXPECT_EQ(run(), kExitBadArguments);
  // MinCost: r = 2 x 96 / (32 x 0.5) = 12, so 13 full-timers.
  EXPECT_EQ(ui.messages.at(0),
            "--max-cost 100: Invalid Parameter Value.  Must have 1625.00 <= X <= 1625000.00");
  request = std::make_unique<BatchRequest>();
  ui.messages.clear();
  ASSERT_EQ(parse({"--objective2", "cost"}), std::nullopt);
  EXPECT_EQ(run(), kExitBadArguments);
  EXPECT_EQ(ui.messages.at(0), "--objective2: " + kObjectiveClashMessage);
  // An export needs a run with two objectives; the refusal comes before any run.
  request = std::make_unique<BatchRequest>();
  ASSERT_EQ(parse({"--export-tradeoff", "t.csv"}), std::nullopt);
  EXPECT_EQ(run(), kExitBadArguments);
  EXPECT_EQ(ui.messages.at(1), "--export-tradeoff needs a second objective (--objective2 "
                               "cost|maxpwait|minutes|service|abandon).");
  request = std::make_unique<BatchRequest>();
  ASSERT_EQ(ParseArguments({"--export-tradeoff", "t.csv"}, BatchOptionGroups(), *request), std::nullopt);
  EXPECT_EQ(run(), kExitBadArguments);
  EXPECT_EQ(ui.messages.at(2), "--export-tradeoff needs a GA run (--ga).");
  EXPECT_EQ(progress.str(), "");
}

// Plans scored in double precision; the installed plan is computed in extended.
// The exported table holds the plans of the JSON's non-inferior points.
TEST_F(GABatchTest, JsonCarriesTheBestPlanAndTheRunFigures) {
  const auto history = std::filesystem::path(::testing::TempDir()) / "ga_batch.his";
  const auto table = std::filesystem::path(::testing::TempDir()) / "ga_batch.csv";
  ASSERT_EQ(parse({"--json", "--objective2", "maxpwait", "--history", history.string(),
                   "--precision", "double", "--export-tradeoff", table.string()}),
            std::nullopt);
  ui.allowMessages();
  ASSERT_EQ(run(), kExitDone);
  const std::string json = out.str();
  for (const char* key : {"Objective1", "Objective2", "TotalCost", "MaxPWait", "MinutesOverLimit",
                          "PersonHours", "NumFullTime", "NumPartTime", "FullTimeStarts",
                          "PartTimeStarts", "generations", "evaluations", "seconds"})
    EXPECT_NE(json.find(std::string("\"") + key + "\": "), std::string::npos) << key;
  EXPECT_NE(json.find("\"ga\": {\"best\": {"), std::string::npos);
  EXPECT_NE(json.find("\"generations\": 2, "), std::string::npos);
  EXPECT_NE(json.find("\"Precision\": \"extended\", "), std::string::npos);
  EXPECT_NE(json.find("\"Precision\": \"double\", \"nonInferior\""), std::string::npos);
  EXPECT_TRUE(std::regex_search(json, std::regex(R"("nonInferior": \[\[[0-9.e+-]+, [0-9.e+-]+\])")))
      << json;
  EXPECT_NE(progress.str().find("Gen 2   best so far "), std::string::npos) << progress.str();
  std::ifstream file(history);
  std::string first;
  std::getline(file, first);
  EXPECT_EQ(first, "GA FINISHED" + kDoubleEvaluationNote);
  std::filesystem::remove(history);
  std::ifstream csv(table);
  std::string line, points;
  std::getline(csv, line);
  EXPECT_TRUE(line.starts_with("total_cost,max_pwait,full_time,part_time,ft_00:00,")) << line;
  while (std::getline(csv, line)) {
    const std::size_t second = line.find(',', line.find(',') + 1);
    points += (points.empty() ? "[" : ", [") + line.substr(0, second).replace(line.find(','), 1, ", ") + "]";
  }
  EXPECT_NE(json.find("\"nonInferior\": [" + points + "]}"), std::string::npos) << points;
  std::filesystem::remove(table);
}

// Cost against minutes below the service target: the set of non-inferior plans
// trades one for the other, and each plan's figures are its objectives.
TEST_F(GABatchTest, CostAgainstMinutesBelowTheServiceTarget) {
  ASSERT_EQ(parse({"--json", "--objective2", "service", "--sl-seconds", "60", "--generations", "4",
                   "--population", "12"}),
            std::nullopt);
  ui.allowMessages();
  ASSERT_EQ(run(), kExitDone);
  const std::string json = out.str();
  std::smatch best;
  ASSERT_TRUE(std::regex_search(
      json, best,
      std::regex(R"("Objective1": ([0-9.e+-]+), "Objective2": ([0-9.e+-]+), "TotalCost": )"
                 R"(([0-9.e+-]+).*"MinutesBelowServiceTarget": ([0-9.e+-]+), )")))
      << json;
  EXPECT_EQ(best[1], best[3]);
  EXPECT_EQ(best[2], best[4]);
  const std::regex point(R"(\[([0-9.e+-]+), ([0-9.e+-]+)\])");
  const std::string set = json.substr(json.find("\"nonInferior\""));
  std::vector<std::pair<double, double>> points;
  for (auto it = std::sregex_iterator(set.begin(), set.end(), point); it != std::sregex_iterator(); ++it)
    points.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
  ASSERT_GE(points.size(), 2u) << json;
  std::sort(points.begin(), points.end());
  for (std::size_t i = 1; i < points.size(); ++i) EXPECT_LE(points[i].second, points[i - 1].second);
  EXPECT_LT(points.back().second, points.front().second);
}

}  // namespace
}  // namespace morvane::batch
