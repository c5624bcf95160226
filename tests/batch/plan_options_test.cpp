// Plan mode of morvane-batch: the options, the summary and JSON of a plan read
// from a start-times file, writing the plan in force, and plan files refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/batch_run.h"
#include "batch/option_parser.h"
#include "staffing/start_times_format.h"
#include "support/scripted_user_interface.h"

namespace morvane::batch {
namespace {

using morvane::testing::ScriptedUserInterface;
namespace fs = std::filesystem;

class PlanModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder = fs::path(::testing::TempDir()) / ("morvane-plan-" + test);
    fs::create_directories(folder);
    StaffingState staff;  // default templates: 32 and 12 periods; 6 on duty all day
    staff.StartTimes[FullTime][0] = 6;
    staff.StartTimes[FullTime][32] = 6;
    staff.StartTimes[FullTime][64] = 6;
    staff.StartTimes[PartTime][40] = 2;
    std::ofstream(folder / "plan.tim", std::ios::binary) << StartTimesText(staff);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::optional<std::string> parse(const std::vector<std::string>& arguments) {
    return ParseArguments(arguments, groups, *request);
  }
  std::string file(const std::string& name) const { return (folder / name).string(); }

  fs::path folder;
  std::vector<OptionGroup> groups = BatchOptionGroups();
  std::unique_ptr<BatchRequest> request = std::make_unique<BatchRequest>();
  std::ostringstream out;
  ScriptedUserInterface ui;
};

TEST_F(PlanModeTest, OptionsNameThePlanAndItsWrapping) {
  ASSERT_EQ(parse({"--plan", file("plan.tim"), "--no-pt-wrap", "--write-plan=copy.tim"}),
            std::nullopt);
  EXPECT_EQ(request->plan.planFile, file("plan.tim"));
  EXPECT_EQ(request->plan.writePlanFile, "copy.tim");
  EXPECT_TRUE(request->model.staffing.FullTimeWraps);
  EXPECT_FALSE(request->model.staffing.PartTimeWraps);
  ASSERT_EQ(parse({"--no-ft-wrap"}), std::nullopt);
  EXPECT_FALSE(request->model.staffing.FullTimeWraps);
  EXPECT_TRUE(parse({"--plan"}));
  EXPECT_NE(HelpText(groups).find("--write-plan FILE"), std::string::npos);
}

TEST_F(PlanModeTest, SummaryShowsTheShiftsInsteadOfTheBaseServers) {
  request->plan.planFile = file("plan.tim");
  ASSERT_EQ(RunBatch(*request, out, ui), kExitDone);
  const std::string summary = out.str();
  EXPECT_EQ(summary.find("Base Number of servers"), std::string::npos);
  EXPECT_NE(summary.find("----- INFORMATION ON FULL TIME SHIFTS BELOW -----"), std::string::npos);
  EXPECT_NE(summary.find("6 full time employees start at time 480\n"), std::string::npos);
  EXPECT_NE(summary.find("2 part time employees start at time 600\n"), std::string::npos);
  EXPECT_NE(summary.find("Number of Full Time Employees              = 18\n"), std::string::npos);
  EXPECT_NE(summary.find("SUMMARY OF OUTPUT CONDITIONS"), std::string::npos);
  EXPECT_EQ(request->model.staffing.LaborCost, 18 * 125 + 2 * 70);
}

TEST_F(PlanModeTest, JsonListsOnDutyAndStartsPerPeriod) {
  request->plan.planFile = file("plan.tim");
  request->output.json = true;
  ASSERT_EQ(RunBatch(*request, out, ui), kExitDone);
  const std::string json = out.str();
  EXPECT_NE(json.find("\"OnDutyByPeriod\": [6, 6, 6,"), std::string::npos) << json;
  EXPECT_NE(json.find(", 6, 8, 8,"), std::string::npos);  // period 40 gains two part-timers
  EXPECT_NE(json.find("\"FullTimeStarts\": [6, 0, 0,"), std::string::npos);
  EXPECT_NE(json.find("\"PartTimeStarts\": [0, 0,"), std::string::npos);
  EXPECT_NE(json.find("\"MaxServersOnDuty\": 8,"), std::string::npos);
  EXPECT_NE(json.find("\"LaborCost\": 2390,"), std::string::npos);

  // Base staffing has no plan to list.
  auto base = std::make_unique<BatchRequest>();
  base->output.json = true;
  std::ostringstream baseOut;
  ASSERT_EQ(RunBatch(*base, baseOut, ui), kExitDone);
  EXPECT_EQ(baseOut.str().find("OnDutyByPeriod"), std::string::npos);
}

TEST_F(PlanModeTest, WritePlanWritesThePlanInForceByteForByte) {
  request->plan.planFile = file("plan.tim");
  request->plan.writePlanFile = file("copy.tim");
  ui.allowMessages();
  ASSERT_EQ(RunBatch(*request, out, ui), kExitDone);
  std::ifstream original(file("plan.tim"), std::ios::binary), copy(file("copy.tim"), std::ios::binary);
  std::stringstream a, b;
  a << original.rdbuf();
  b << copy.rdbuf();
  EXPECT_EQ(a.str(), b.str());
  EXPECT_EQ(ui.messages, std::vector<std::string>{"File <" + file("copy.tim") +
                                                  "> written successfully."});
}

TEST_F(PlanModeTest, ABadPlanFileEndsTheRunWithItsMessage) {
  std::ofstream(folder / "bad.tim", std::ios::binary) << "1 1 3 0\r\n1 1 three 0\r\n";
  request->plan.planFile = file("bad.tim");
  ui.allowMessages();
  EXPECT_EQ(RunBatch(*request, out, ui), kExitRefused);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(ui.messages[0].starts_with("Invalid numeric input in line 2 of file <" +
                                         file("bad.tim") + ">"));
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace morvane::batch
