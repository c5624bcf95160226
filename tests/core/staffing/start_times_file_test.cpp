// Start-times files on disk: round trips, what the planner is told, files that
// are not plans, and writes that fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "staffing/duty_template.h"
#include "staffing/schedule_plan.h"
#include "staffing/start_times_file.h"
#include "staffing/start_times_format.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedUserInterface;

class StartTimesFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() /
              ("morvane-tim-" + std::string(info->name()) + "-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder_);
    model_.flags.UseBaseServers = false;
    model_.staffing.StartTimes[FullTime][2] = 3;
    model_.staffing.StartTimes[PartTime][40] = 2;
    model_.staffing.PartTimeWraps = false;
    ASSERT_FALSE(ScheduleGridExit(model_));
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string path(const std::string& name) const { return (folder_ / name).string(); }

  void writeText(const std::string& name, const std::string& text) const {
    std::ofstream(path(name), std::ios::binary) << text;
  }
  std::string readText(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // Reads `name` expecting a refusal: one error message and nothing changed.
  void expectRefused(const std::string& name) {
    const StaffingState before = model_.staffing;
    ScriptedUserInterface ui;
    ui.allowMessages();
    EXPECT_FALSE(ReadStartTimesFile(model_, path(name), ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.kinds[0], MessageKind::Error);
    EXPECT_NE(ui.messages[0].find(path(name)), std::string::npos) << ui.messages[0];
    ExpectSameStaffing(model_.staffing, before);
  }

  static void ExpectSameStaffing(const StaffingState& a, const StaffingState& b) {
    EXPECT_EQ(a.DutyTemplate, b.DutyTemplate);
    EXPECT_EQ(a.StartTimes, b.StartTimes);
    EXPECT_EQ(a.FullTimeWraps, b.FullTimeWraps);
    EXPECT_EQ(a.PartTimeWraps, b.PartTimeWraps);
    EXPECT_EQ(a.OnDutyByPeriod, b.OnDutyByPeriod);
    EXPECT_EQ(a.ServersOnDuty, b.ServersOnDuty);
    EXPECT_EQ(a.MaxServersOnDuty, b.MaxServersOnDuty);
    EXPECT_EQ(a.FullTimeCount, b.FullTimeCount);
    EXPECT_EQ(a.PartTimeCount, b.PartTimeCount);
    EXPECT_EQ(a.LaborCost, b.LaborCost);
  }

  fs::path folder_;
  Model model_;
};

TEST_F(StartTimesFileTest, WriteThenReadRestoresThePlanAndItsResults) {
  ScriptedUserInterface ui;
  ui.allowMessages();
  ASSERT_TRUE(WriteStartTimesFile(model_.staffing, path("plan.tim"), ui));
  EXPECT_EQ(ui.messages, std::vector<std::string>{WrittenMessage(path("plan.tim"))});
  EXPECT_EQ(ui.kinds[0], MessageKind::Information);
  EXPECT_EQ(readText("plan.tim"), StartTimesText(model_.staffing));

  const StaffingState written = model_.staffing;
  Model other;
  other.staffing.PartTimeWraps = false;  // wrapping is the reader's, not the file's
  ScriptedUserInterface quiet;
  ASSERT_TRUE(ReadStartTimesFile(other, path("plan.tim"), quiet));
  ExpectSameStaffing(other.staffing, written);
}

TEST_F(StartTimesFileTest, WritingReplacesAnOldFileWholeAndLeavesNoTemporaryFile) {
  writeText("plan.tim", std::string(5000, 'x'));
  ScriptedUserInterface ui;
  ui.allowMessages();
  ASSERT_TRUE(WriteStartTimesFile(model_.staffing, path("plan.tim"), ui));
  EXPECT_EQ(readText("plan.tim"), StartTimesText(model_.staffing));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(StartTimesFileTest, AFailedWriteSaysSoAndKeepsWhatWasThere) {
  fs::create_directory(path("taken.tim"));
  ScriptedUserInterface ui;
  ui.allowMessages();
  EXPECT_FALSE(WriteStartTimesFile(model_.staffing, path("taken.tim"), ui));
  EXPECT_FALSE(WriteStartTimesFile(model_.staffing, path("no such folder/plan.tim"), ui));
  ASSERT_EQ(ui.messages.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(ui.kinds[i], MessageKind::Error);
    EXPECT_EQ(ui.messages[i].find("written successfully"), std::string::npos);
  }
  EXPECT_NE(ui.messages[0].find(path("taken.tim")), std::string::npos);
  EXPECT_TRUE(fs::is_directory(path("taken.tim")));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(StartTimesFileTest, AnEmptyFileRestoresTheFirstPeriodOfBothTemplates) {
  writeText("empty.tim", "");
  ScriptedUserInterface ui;
  ui.allowMessages();
  ASSERT_TRUE(ReadStartTimesFile(model_, path("empty.tim"), ui));
  EXPECT_EQ(ui.messages, std::vector<std::string>(2, kFirstPeriodWarning));
  EXPECT_EQ(ui.kinds, std::vector<MessageKind>(2, MessageKind::Warning));
  for (const EmployeeType type : {FullTime, PartTime}) {
    PeriodCounts firstOnly{};
    firstOnly[0] = 1;
    EXPECT_EQ(model_.staffing.DutyTemplate[type], firstOnly);
    EXPECT_EQ(model_.staffing.StartTimes[type], PeriodCounts{});
  }
  EXPECT_EQ(model_.staffing.MaxServersOnDuty, 0);
  EXPECT_EQ(model_.staffing.LaborCost, 0);
}

TEST_F(StartTimesFileTest, ATemplateWithItsFirstPeriodOffWarnsOnlyForThatTemplate) {
  writeText("pt.tim", "1 0 2 0\r\n0 1 0 0\r\n");
  ScriptedUserInterface ui;
  ui.allowMessages();
  ASSERT_TRUE(ReadStartTimesFile(model_, path("pt.tim"), ui));
  EXPECT_EQ(ui.messages, std::vector<std::string>{kFirstPeriodWarning});
  EXPECT_EQ(model_.staffing.DutyTemplate[PartTime][0], 1);
  EXPECT_EQ(model_.staffing.DutyTemplate[PartTime][1], 1);
  EXPECT_EQ(model_.staffing.OnDutyByPeriod[OnDutyTotal][0], 2);
  EXPECT_EQ(model_.staffing.FullTimeCount, 2);
}

TEST_F(StartTimesFileTest, FilesThatAreNotPlansChangeNothing) {
  writeText("letter.tim", "1 1 0 0\r\n1 1 x 0\r\n");
  expectRefused("letter.tim");
  writeText("range.tim", "1 1 99999999999 0\r\n");
  expectRefused("range.tim");
  writeText("cut.tim", StartTimesText(StaffingState{}).substr(0, 400));
  expectRefused("cut.tim");
  expectRefused("missing.tim");
  fs::create_directory(path("folder.tim"));
  expectRefused("folder.tim");
  // Every line fits in 32 bits, but together they put 2^32 - 2 on duty at once.
  writeText("crowd.tim", "1 1 2147483647 0\r\n1 1 2147483647 0\r\n");
  expectRefused("crowd.tim");
}

TEST_F(StartTimesFileTest, TheRefusalNamesTheFileAndTheLine) {
  writeText("letter.tim", "1 1 0 0\r\n1 1 0 0\r\n1 1 x 0\r\n");
  ScriptedUserInterface ui;
  ui.allowMessages();
  ReadStartTimesFile(model_, path("letter.tim"), ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "Invalid numeric input in line 3 of file <" + path("letter.tim") +
                                ">:\r\"x\" is not a whole number from -2147483648 to "
                                "2147483647.\rThe plan in force is unchanged.");
}

// Random bytes and random damage to a good file: every read either installs a
// plan or refuses with one error and leaves the plan in force alone.
TEST_F(StartTimesFileTest, RandomTextsEitherReadOrChangeNothing) {
  StaffingState good = model_.staffing;
  good.StartTimes[FullTime][10] = 12;
  const std::string valid = StartTimesText(good);
  std::mt19937 random(20240611);
  auto byte = [&] { return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random)); };
  const std::string alphabet = "0123456789 \t\r\n-+x";
  int installed = 0, refused = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    std::string text;
    if (trial % 3 == 0) {
      text.resize(std::uniform_int_distribution<std::size_t>(0, 400)(random));
      for (char& c : text) c = trial % 2 ? byte() : alphabet[random() % alphabet.size()];
    } else {
      text = valid;
      const int damage = 1 + static_cast<int>(random() % 6);
      for (int d = 0; d < damage; ++d) {
        const std::size_t at = random() % text.size();
        switch (random() % 3) {
          case 0: text[at] = byte(); break;
          case 1: text.erase(at, 1 + random() % 40); break;
          default: text.insert(at, 1, alphabet[random() % alphabet.size()]);
        }
        if (text.empty()) text.push_back(' ');
      }
    }
    std::istringstream in(text);
    const StaffingState before = model_.staffing;
    ScriptedUserInterface ui;
    ui.allowMessages();
    if (ReadStartTimes(model_, in, "fuzz.tim", ui)) {
      ++installed;
      for (const auto& kind : ui.kinds) EXPECT_EQ(kind, MessageKind::Warning);
      EXPECT_EQ(model_.staffing.DutyTemplate[FullTime][0], 1);
      EXPECT_EQ(model_.staffing.DutyTemplate[PartTime][0], 1);
      for (const auto& starts : model_.staffing.StartTimes)
        for (const auto count : starts) EXPECT_GE(count, 0);
    } else {
      ++refused;
      ASSERT_EQ(ui.messages.size(), 1u) << "trial " << trial;
      ExpectSameStaffing(model_.staffing, before);
    }
  }
  EXPECT_GT(installed, 20);
  EXPECT_GT(refused, 20);
}

}  // namespace
}  // namespace morvane
