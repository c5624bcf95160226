// The start-times text: the lines written, and what a text reads as.
#include <gtest/gtest.h>

#include <sstream>

#include "staffing/start_times_format.h"

namespace morvane {
namespace {

StartTimesParse Parse(const std::string& text) {
  std::istringstream in(text);
  return ParseStartTimes(in);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end + 2 - start));
    start = end + 2;
  }
  return lines;
}

TEST(StartTimesText, DefaultPlanLineByLine) {
  const auto lines = Lines(StartTimesText(StaffingState{}));
  ASSERT_EQ(lines.size(), 96u);
  for (int k = 0; k < 96; ++k) {
    const char* expected = k < 12   ? "    1       1       0       0\r\n"
                           : k < 32 ? "    1       0       0       0\r\n"
                                    : "    0       0       0       0\r\n";
    EXPECT_EQ(lines[k], expected) << "line " << k + 1;
  }
}

TEST(StartTimesText, FieldsWidenForLongNumbers) {
  EXPECT_EQ(StartTimesLine(1, 0, 2, 0), "    1       0       2       0\r\n");
  EXPECT_EQ(StartTimesLine(0, 0, -3, 123456), "    0       0      -3   123456\r\n");
  EXPECT_EQ(StartTimesLine(1, 1, 2147483647, -2147483647 - 1),
            "    1       1   2147483647   -2147483648\r\n");
}

TEST(ParseStartTimes, ReadsBackWhatWasWritten) {
  StaffingState staff;
  staff.DutyTemplate[FullTime][50] = 1;
  staff.DutyTemplate[PartTime][3] = 0;
  staff.StartTimes[FullTime][0] = 4;
  staff.StartTimes[FullTime][95] = 2147483647;
  staff.StartTimes[PartTime][17] = 9;
  const StartTimesParse parse = Parse(StartTimesText(staff));
  ASSERT_FALSE(parse.fault);
  EXPECT_EQ(parse.plan.DutyTemplate, staff.DutyTemplate);
  EXPECT_EQ(parse.plan.StartTimes, staff.StartTimes);
}

TEST(ParseStartTimes, OnlyOneIsOnDutyAndOnlyPositiveCountsStart) {
  const StartTimesParse parse = Parse("2 -1 0 -5\n1 1 -7 3\n");
  ASSERT_FALSE(parse.fault);
  EXPECT_EQ(parse.plan.DutyTemplate[FullTime][0], 0);
  EXPECT_EQ(parse.plan.DutyTemplate[PartTime][0], 0);
  EXPECT_EQ(parse.plan.StartTimes[FullTime][0], 0);
  EXPECT_EQ(parse.plan.StartTimes[PartTime][0], 0);
  EXPECT_EQ(parse.plan.DutyTemplate[FullTime][1], 1);
  EXPECT_EQ(parse.plan.StartTimes[FullTime][1], 0);
  EXPECT_EQ(parse.plan.StartTimes[PartTime][1], 3);
}

TEST(ParseStartTimes, SeparatorsBetweenFieldsAndTheRestOfALineAreSkipped) {
  // Fields of period 0 run over three lines; text after four fields is ignored;
  // a lone CR ends a line too.
  const StartTimesParse parse = Parse("\t1\r\n\r\n 1\n\t 5   6 and more\r0 1 2 3 x\r\n+1 0 +4 0");
  ASSERT_FALSE(parse.fault);
  EXPECT_EQ(parse.plan.StartTimes[FullTime][0], 5);
  EXPECT_EQ(parse.plan.StartTimes[PartTime][0], 6);
  EXPECT_EQ(parse.plan.DutyTemplate[PartTime][1], 1);
  EXPECT_EQ(parse.plan.StartTimes[PartTime][1], 3);
  EXPECT_EQ(parse.plan.DutyTemplate[FullTime][2], 1);
  EXPECT_EQ(parse.plan.StartTimes[FullTime][2], 4);
  EXPECT_EQ(parse.plan.DutyTemplate[FullTime][3], 0);
}

TEST(ParseStartTimes, ShortTextsLeaveTheRestOffAndLongOnesAreCutAt96) {
  const StartTimesParse empty = Parse("");
  ASSERT_FALSE(empty.fault);
  EXPECT_EQ(empty.plan.DutyTemplate, (std::array<PeriodCounts, 2>{}));
  EXPECT_EQ(empty.plan.StartTimes, (std::array<PeriodCounts, 2>{}));
  EXPECT_FALSE(Parse("  \r\n\r\n\t").fault);

  std::string longText;
  for (int k = 0; k < 96; ++k) longText += StartTimesLine(1, 1, k, 0);
  longText += "garbage that is never read\r\n1 1 1 1\r\n";
  const StartTimesParse parse = Parse(longText);
  ASSERT_FALSE(parse.fault);
  EXPECT_EQ(parse.plan.StartTimes[FullTime][95], 95);
}

TEST(ParseStartTimes, FaultsNameTheLineAndTheField) {
  const auto notANumber = Parse("1 1 0 0\r\n1 1 O 0\r\n").fault;
  ASSERT_TRUE(notANumber);
  EXPECT_EQ(notANumber->line, 2);
  EXPECT_EQ(notANumber->reason, "\"O\" is not a whole number from -2147483648 to 2147483647");

  const auto tooBig = Parse("1\n1\n\n2147483648 0").fault;
  ASSERT_TRUE(tooBig);
  EXPECT_EQ(tooBig->line, 4);
  EXPECT_NE(tooBig->reason.find("\"2147483648\""), std::string::npos);

  EXPECT_TRUE(Parse("1 1 2.5 0").fault);
  EXPECT_TRUE(Parse("1 1 5a 0").fault);
  EXPECT_TRUE(Parse("1 1 - 0").fault);
  const auto longField = Parse("1 1 000000000000000000000000000001 0").fault;
  ASSERT_TRUE(longField);
  EXPECT_NE(longField->reason.find("...\""), std::string::npos);
  const auto binary = Parse(std::string("1 1 \x01\xff\0 0", 9)).fault;
  ASSERT_TRUE(binary);
  EXPECT_EQ(binary->reason.substr(0, 14), "\"\\x01\\xFF\\x00\"");
}

TEST(ParseStartTimes, APeriodCutShortByTheEndIsAFault) {
  const std::string text = StartTimesText(StaffingState{});
  // Cut in the middle of line 51, after its second field.
  const auto fault = Parse(text.substr(0, 50 * 31 + 13)).fault;
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->line, 51);
  EXPECT_EQ(fault->reason, "the file ends before the four numbers of period 750-765 are complete");
  // Cut right after a fourth field: the period is whole.
  EXPECT_FALSE(Parse(text.substr(0, 50 * 31 + 29)).fault);
}

}  // namespace
}  // namespace morvane
