// A whole run through the batch library: the JSON object, the two CSV tables,
// and refused scenarios that must end with a message and a non-zero status.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "batch/batch_run.h"
#include "batch/machine_output.h"
#include "engine/measures.h"
#include "support/scripted_user_interface.h"

namespace morvane::batch {
namespace {

using morvane::testing::ScriptedUserInterface;

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

class BatchRunTest : public ::testing::Test {
 protected:
  ExitStatus run() { return RunBatch(*request, out, ui); }
  std::filesystem::path tempFile(const std::string& name) {
    return std::filesystem::path(::testing::TempDir()) / name;
  }

  std::unique_ptr<BatchRequest> request = std::make_unique<BatchRequest>();
  std::ostringstream out;
  ScriptedUserInterface ui;
};

TEST_F(BatchRunTest, JsonHasEveryKeyAsAFullPrecisionNumber) {
  request->output.json = true;
  ASSERT_EQ(run(), kExitDone);
  const std::string json = out.str();
  for (const char* key :
       {"TotalPersonHours", "PersonCost", "LaborCost", "TotalCost", "MaxPWait", "MinutesOverLimit",
        "FullTimeCount", "PartTimeCount", "MaxServersOnDuty", "MaxStates", "TimeStepSeconds",
        "NumSteps", "MaxTopProb", "ZeroCount", "Days", "ServiceLevel", "WorstServiceLevel",
        "AverageSpeedOfAnswer", "MinutesBelowServiceTarget", "SteadyServiceLevel",
        "PatienceSeconds", "Abandonment", "WorstAbandonment", "SteadyAbandonment"}) {
    const std::regex field(std::string("\"") + key + "\": (-?[0-9.e+-]+)[,}]");
    std::smatch match;
    EXPECT_TRUE(std::regex_search(json, match, field)) << key << " in " << json;
  }
  const Model& model = request->model;
  EXPECT_NE(json.find("\"TotalPersonHours\": " + FullPrecisionText(model.steps.TotalPersonHours)),
            std::string::npos);
  EXPECT_NE(json.find("\"LaborCost\": 2250,"), std::string::npos);
  EXPECT_NE(json.find("\"NumSteps\": 1440,"), std::string::npos);
  EXPECT_NE(json.find("\"Abandonment\": 0, \"WorstAbandonment\": 0, \"SteadyAbandonment\": 0"),
            std::string::npos);  // nobody hangs up by default
  EXPECT_NE(json.find("\"Precision\": \"extended\""), std::string::npos);
  EXPECT_EQ(json.find("\"Requirement\""), std::string::npos);
  EXPECT_EQ(json.front(), '{');
  EXPECT_EQ(json.substr(json.size() - 2), "}\n");
}

// Two minutes of patience on the default day: a share of the callers hang up, most
// where the queue is longest, and the steady state of every minute loses some too.
TEST_F(BatchRunTest, CallersWhoHangUpAreCountedInTheJson) {
  request->output.json = true;
  request->model.inputs.PatienceSeconds = 120;
  ASSERT_EQ(run(), kExitDone);
  const std::string json = out.str();
  EXPECT_NE(json.find("\"PatienceSeconds\": 120,"), std::string::npos);
  std::smatch figures;
  ASSERT_TRUE(std::regex_search(json, figures,
                                std::regex(R"("Abandonment": ([0-9.e+-]+), "WorstAbandonment": )"
                                           R"(([0-9.e+-]+), "SteadyAbandonment": ([0-9.e+-]+))")))
      << json;
  const double day = std::stod(figures[1]), worst = std::stod(figures[2]);
  EXPECT_GT(day, 0.01);
  EXPECT_GT(worst, day);
  EXPECT_LT(worst, 1);
  EXPECT_GT(std::stod(figures[3]), 0.01);
}

TEST_F(BatchRunTest, TablesHaveOneRowPerStepAndPerMinute) {
  request->model.inputs.TimeStepSeconds = 90;  // 960 steps a day
  request->output.stepsFile = tempFile("steps.csv");
  request->output.minutesFile = tempFile("minutes.csv");
  ASSERT_EQ(run(), kExitDone);
  const auto steps = ReadLines(request->output.stepsFile);
  ASSERT_EQ(steps.size(), 1u + 961u);
  EXPECT_EQ(steps[0], "step,minute,mean,pwait,service_level,asa,pallbusy,abandonment");
  EXPECT_TRUE(steps[1].starts_with("0,0,"));
  EXPECT_TRUE(steps[2].starts_with("1,1.5,"));
  EXPECT_TRUE(steps[961].starts_with("960,1440,"));
  const auto minutes = ReadLines(request->output.minutesFile);
  ASSERT_EQ(minutes.size(), 1u + 1441u);
  EXPECT_EQ(minutes[0],
            "minute,arrival,capacity,servers,ss_mean,ss_pwait,ss_service_level,ss_asa,overloaded,"
            "ss_abandonment");
  EXPECT_TRUE(minutes[1].starts_with("0,10,15,6,"));
  EXPECT_TRUE(minutes[1441].starts_with("1440,"));
  EXPECT_NE(out.str().find("SUMMARY OF OUTPUT CONDITIONS"), std::string::npos);
}

// A run in double precision names it, and its step table reads the double vectors.
TEST_F(BatchRunTest, ADoubleRunNamesItsPrecisionAndTablesItsOwnVectors) {
  request->output.json = true;
  request->output.stepsFile = tempFile("double_steps.csv");
  request->precision = Precision::Double;
  ASSERT_EQ(run(), kExitDone);
  EXPECT_NE(out.str().find("\"Precision\": \"double\""), std::string::npos);
  const auto steps = ReadLines(request->output.stepsFile);
  ASSERT_EQ(steps.size(), 1u + 1441u);
  ASSERT_TRUE(steps[0].starts_with("step,minute,mean,pwait,"));
  std::string pWait = steps[1];
  for (int column = 0; column < 3; ++column) pWait.erase(0, pWait.find(',') + 1);
  EXPECT_EQ(std::strtold(pWait.c_str(), nullptr), TimeDepPWait(request->model, 0));
  EXPECT_GT(TimeDepPWait(request->model, 0), 0.1L);
}

TEST_F(BatchRunTest, RefusedScenariosEndWithAMessageAndStatusOne) {
  ui.allowMessages();
  request->model.inputs.MeanDemand = 3;  // below the default amplitude of 4.5
  EXPECT_EQ(run(), kExitRefused);
  request->model.inputs.MeanDemand = 10;
  request->model.inputs.ServiceRate = 0.01L;  // needs more than 501 servers
  EXPECT_EQ(run(), kExitRefused);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_NE(ui.messages[0].find("(4.5) is above the mean demand (3)"), std::string::npos);
  EXPECT_NE(ui.messages[1].find("more than 501 servers"), std::string::npos);
  EXPECT_EQ(out.str(), "");
}

TEST_F(BatchRunTest, AnUnwritableFileIsReported) {
  ui.allowMessages();
  request->output.stepsFile = tempFile("no-such-folder/steps.csv");
  EXPECT_EQ(run(), kExitRefused);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "Could not write the file " + request->output.stepsFile);
}

}  // namespace
}  // namespace morvane::batch
