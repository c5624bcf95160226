// The requirement table: one header line, then a line per quarter-hour from
// 00:00 to 23:45 whose columns keep their periods apart.
#include "target/requirement_table.h"

#include <gtest/gtest.h>

#include <sstream>

namespace morvane {
namespace {

TEST(RequirementTable, AHeaderThenOneLinePerQuarterHour) {
  StaffingRequirement requirement;
  PeriodCounts onDuty{};
  for (int p = 0; p < kPeriods; ++p) {
    requirement.ErlangC[p] = p;
    requirement.Exact[p] = p + 100;
    onDuty[p] = p + 200;
  }
  std::istringstream text(RequirementTableText(requirement, onDuty));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 1u + kPeriods);
  EXPECT_EQ(lines[0], "start,erlang_c,exact,on_duty");
  EXPECT_EQ(lines[1], "00:00,0,100,200");
  EXPECT_EQ(lines[2], "00:15,1,101,201");
  EXPECT_EQ(lines[40], "09:45,39,139,239");
  EXPECT_EQ(lines[96], "23:45,95,195,295");
}

}  // namespace
}  // namespace morvane
