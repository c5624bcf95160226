// The executable itself: exit statuses and where its texts go.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

Outcome RunCommand(const std::string& arguments) {
  // Named after the test: ctest runs the tests of this file side by side.
  const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::filesystem::path dir(::testing::TempDir());
  const auto out = dir / (test + ".out"), err = dir / (test + ".err");
  const std::string command = std::string("'") + MORVANE_BATCH_PATH + "' " + arguments + " >'" +
                              out.string() + "' 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
}

TEST(EndToEnd, DefaultRunPrintsTheSummary) {
  const Outcome run = RunCommand("");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with("===========================\nSUMMARY OF INPUT CONDITIONS\n"));
  EXPECT_NE(run.out.find("Total Labor Cost = $2,250.00     Full/Part time = 18/0\n"),
            std::string::npos);
  EXPECT_TRUE(run.out.ends_with("Max P(100) = 0.0000000000\n"
                                "Service Level (20 s) = 55.5 %   Worst = 24.2 %\n"
                                "Avg Speed of Answer = 700.2 s\n"
                                "Time SL < 80.0 % = 864\n"
                                "Abandoned = 0.0 % of calls   Worst = 0.0 %\n"
                                "Overloaded minutes = 0\n"))
      << run.out;
}

TEST(EndToEnd, RefusalsGoToStderrWithTheirStatus) {
  Outcome run = RunCommand("--mean-demand 5 --amplitude 6");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "--amplitude 6: Invalid Parameter Value.  Must have 0.00 <= X <= 5.00\n");
  EXPECT_EQ(run.out, "");

  run = RunCommand("--cycles 05");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "--cycles 05: Specified value did not convert correctly... Warning\n"
            "Default value used and shown\n");

  run = RunCommand("--patience 36001 --json");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "--patience 36001: Invalid Parameter Value.  Must have 0 <= X <= 36000\n");
  EXPECT_EQ(run.out, "");

  run = RunCommand("--mean-demand 3 --json");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.starts_with("Error: The demand amplitude (4.5) is above the mean demand (3)"));
  EXPECT_EQ(run.out, "");
}

TEST(EndToEnd, DemandFromTheExampleForecast) {
  Outcome run = RunCommand(std::string("--servers 30 --time-step 10 --demand '") +
                           MORVANE_EXAMPLES_DIR + "/contact_centre_day.csv'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Demand forecast file                       = contact_centre_day.csv\n"
                         "Forecast interval in minutes               = 30\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("Peak demand per hour                       = 70.00\n"), std::string::npos);

  run = RunCommand("--service-rate 0.1 --demand '" MORVANE_EXAMPLES_DIR "/contact_centre_day.csv'");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(": File <contact_centre_day.csv>, line 22, column \"calls\": the peak "
                         "rate of 70 per hour needs more than 501 servers"),
            std::string::npos)
      << run.err;
}

// The example's day on the default 6 servers: overloaded for 14 hours, the run cut
// at the widest state space, and the summary and JSON say so.
TEST(EndToEnd, AnOverloadedDayIsCountedAndItsCutResultsFlagged) {
  const std::string demand = "--demand '" MORVANE_EXAMPLES_DIR "/contact_centre_day.csv'";
  Outcome run = RunCommand(demand);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.ends_with("Overloaded minutes = 840\n"
                                "Results cut at 500 in system: the queue is overloaded; waiting "
                                "figures are lower bounds\n"))
      << run.out;
  run = RunCommand(demand + " --json");
  for (const char* field : {"\"MaxPAllBusy\": 1,", "\"OverloadedMinutes\": 840,",
                            "\"Truncated\": true,"})
    EXPECT_NE(run.out.find(field), std::string::npos) << field;
  EXPECT_NE(RunCommand("--json").out.find("\"Truncated\": false,"), std::string::npos);
}

// Needs the plan for the target computed: no minute of the example's day below
// target, for at most $3,100 of labour.
TEST(EndToEnd, ThePlanForTheTargetOfTheExampleScenario) {
  const Outcome run = RunCommand("--scenario '" MORVANE_EXAMPLES_DIR
                                 "/contact_centre_day.morvane' --plan-for-target --json");
  ASSERT_EQ(run.status, 0) << run.err;
  std::smatch figures;
  ASSERT_TRUE(std::regex_search(
      run.out, figures,
      std::regex(R"("LaborCost": ([0-9.e+-]+),.*"MinutesBelowServiceTarget": ([0-9.e+-]+),)"
                 R"(.*"Requirement": \{.*"LaborCost": ([0-9.e+-]+)\}\})")))
      << run.out;
  EXPECT_LE(std::stod(figures[1]), 3100);
  EXPECT_EQ(std::stod(figures[2]), 0);
  EXPECT_EQ(figures[1], figures[3]);  // the plan reported is the plan for the target
}

TEST(EndToEnd, HelpExplainsAndDoesNothingElse) {
  const Outcome run = RunCommand("--servers 7 --help");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with("Usage: morvane-batch [OPTION]..."));
  EXPECT_EQ(run.out.find("SUMMARY"), std::string::npos);
}

}  // namespace
