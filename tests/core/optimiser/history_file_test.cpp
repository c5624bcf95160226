#include "optimiser/history_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

using testing::ScriptedUserInterface;

std::string Read(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(HistoryFile, WritesTheReportTopLineFirstAndMovesTheGauge) {
  const std::string path = ::testing::TempDir() + "history_test.his";
  std::vector<std::string> lines;
  for (int k = 0; k < 45; ++k) lines.push_back("line " + std::to_string(k));
  ScriptedUserInterface ui;
  ui.allowMessages();
  std::vector<int> gauge;
  ASSERT_TRUE(SaveHistory(path, lines, ui, [&](int percent) { gauge.push_back(percent); }));
  EXPECT_EQ(gauge, (std::vector<int>{0, 0, 45, 91, 100}));
  EXPECT_EQ(Read(path).substr(0, 14), "line 0\nline 1\n");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"File saved as <" + path + ">"});
  std::filesystem::remove(path);
}

TEST(HistoryFile, OneLineOrNoLineFillsTheGauge) {
  EXPECT_EQ(HistoryGaugePercent(0, 1), 100);
  const std::string path = ::testing::TempDir() + "history_empty.his";
  ScriptedUserInterface ui;
  ui.allowMessages();
  std::vector<int> gauge;
  ASSERT_TRUE(SaveHistory(path, {}, ui, [&](int percent) { gauge.push_back(percent); }));
  EXPECT_EQ(Read(path), "");
  EXPECT_EQ(gauge, (std::vector<int>{0, 100}));
  std::filesystem::remove(path);
}

TEST(HistoryFile, AFileThatCannotBeWrittenIsReported) {
  ScriptedUserInterface ui;
  ui.allowMessages();
  EXPECT_FALSE(SaveHistory(::testing::TempDir() + "no/such/dir/x.his", {"a"}, ui, [](int) {}));
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Error in SaveTextButtonClick"});
}

}  // namespace
}  // namespace morvane
