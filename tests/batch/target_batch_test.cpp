// morvane-batch and the service target: the options, and runs on the quick
// scenario of the GA tests (all but the first need the requirement computed).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "batch/option_parser.h"
#include "batch/target_batch.h"
#include "support/scripted_user_interface.h"

namespace morvane::batch {
namespace {

class TargetBatchTest : public ::testing::Test {
 protected:
  std::optional<std::string> parse(std::vector<std::string> arguments) {
    const std::vector<std::string> quick{"--mean-demand",  "2",   "--amplitude", "1",
                                         "--service-rate", "0.5", "--time-step", "600",
                                         "--max-iterations", "3"};
    arguments.insert(arguments.begin(), quick.begin(), quick.end());
    return ParseArguments(arguments, BatchOptionGroups(), *request);
  }
  ExitStatus run() { return RunBatch(*request, out, ui, progress); }

  std::unique_ptr<BatchRequest> request = std::make_unique<BatchRequest>();
  std::ostringstream out, progress;
  morvane::testing::ScriptedUserInterface ui;
};

TEST_F(TargetBatchTest, OptionsAndTheirRefusals) {
  ASSERT_EQ(parse({"--plan-for-target", "--requirement", "r.csv", "--objective", "labour"}),
            std::nullopt);
  EXPECT_TRUE(request->target.planForTarget);
  EXPECT_EQ(request->target.requirementFile, "r.csv");
  EXPECT_EQ(request->ga.settings.FirstObjectiveIndex, kObjectiveLabour);
  EXPECT_EQ(parse({"--objective2", "labour"}),
            "--objective2 labour: the labour cost with the service target met is a first "
            "objective only (--objective labour)");
  EXPECT_EQ(request->ga.settings.SecondObjectiveIndex, kObjectiveNone);
  EXPECT_EQ(parse({"--requirement"}), "Option --requirement needs a value FILE.");
}

// The peak of 11 contacts an hour at 0.01 services an hour needs 1100 servers.
TEST_F(TargetBatchTest, ARefusalEndsTheRunWithItsError) {
  ui.allowMessages();
  for (const char* option : {"--plan-for-target", "--requirement=r.csv"}) {
    request = std::make_unique<BatchRequest>();
    ASSERT_EQ(parse({"--mean-demand", "10", "--service-rate", "0.01", option, "--json"}),
              std::nullopt);
    ui.kinds.clear();
    EXPECT_EQ(run(), kExitRefused) << option;
    ASSERT_FALSE(ui.kinds.empty()) << option;
    EXPECT_EQ(ui.kinds.back(), MessageKind::Error) << option;
  }
  EXPECT_EQ(out.str(), "");
}

// The base servers are on duty in every period (the plan's counts per period are all 0).
TEST_F(TargetBatchTest, TheRequirementOfTheBaseServers) {
  const auto path = std::filesystem::path(::testing::TempDir()) / "target_requirement.csv";
  ASSERT_EQ(parse({"--json", "--requirement", path.string()}), std::nullopt);
  ui.allowMessages();
  ASSERT_EQ(run(), kExitDone) << ui.messages.at(0);
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 1u + kPeriods);
  EXPECT_EQ(lines[0], "start,erlang_c,exact,on_duty");
  EXPECT_TRUE(lines[1].starts_with("00:00,"));
  EXPECT_TRUE(lines[96].starts_with("23:45,"));
  for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_TRUE(lines[i].ends_with(",6")) << lines[i];
  EXPECT_TRUE(std::regex_search(
      out.str(), std::regex(R"("Requirement": \{"ErlangC": \[[0-9, ]+\], "Exact": \[[0-9, ]+\], )"
                            R"("OnDuty": \[(6, ){95}6\]\}\}\n$)")))
      << out.str();
  std::filesystem::remove(path);
}

// Without the plan for the target to start from, the best plan of this short
// run leaves 1220 minutes below target.
TEST_F(TargetBatchTest, ThePlanForTheTargetSeedsTheGA) {
  ASSERT_EQ(parse({"--json", "--plan-for-target", "--ga", "--objective", "service",
                   "--population", "5", "--carry", "1", "--import", "1", "--generations", "2",
                   "--no-improve-last"}),
            std::nullopt);
  ui.allowMessages();
  ASSERT_EQ(run(), kExitDone) << ui.messages.at(0);
  EXPECT_NE(out.str().find("\"MinutesBelowServiceTarget\": 0, "), std::string::npos) << out.str();
}

}  // namespace
}  // namespace morvane::batch
