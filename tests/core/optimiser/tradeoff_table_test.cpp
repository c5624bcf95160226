// The table of non-inferior plans: which members, in what order, and the CSV
// text other programs read back.
#include "optimiser/tradeoff_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>

namespace morvane {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(TradeoffTable, AscendingByBothObjectivesEachPlanOnce) {
  // Members 1..5: (3, 1), (1, 5), a dominated (2, 6), (1, 4), and member 1's plan again.
  auto population = std::make_unique<Population>();
  const Real points[][2] = {{3, 1}, {1, 5}, {2, 6}, {1, 4}, {3, 1}};
  for (std::int32_t m = 1; m <= 5; ++m) {
    GASolution& plan = (*population)[m];
    plan.Objective1 = points[m - 1][0];
    plan.Objective2 = points[m - 1][1];
    plan.NonInferior = m != 3;
    plan.NumFullTime = plan.FullTimeStarts[0] = m % 4;
  }
  EXPECT_EQ(NonInferiorMembers(*population, 5).size(), 4u);
  GASettings settings;
  settings.SecondObjectiveIndex = 1;
  const std::vector<std::string> lines =
      Lines(TradeoffTableText(NonInferiorPlans(*population, 5), settings));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[0].starts_with("total_cost,max_pwait,full_time,part_time,ft_00:00,ft_00:15,"));
  EXPECT_NE(lines[0].find(",ft_09:45,ft_10:00,"), std::string::npos);
  EXPECT_NE(lines[0].find(",ft_23:45,pt_00:00,"), std::string::npos);
  EXPECT_TRUE(lines[0].ends_with(",pt_23:45"));
  for (const std::string& line : lines)
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 3 + 2 * kPeriods) << line;
  EXPECT_TRUE(lines[1].starts_with("1,4,0,0,0,0,"));
  EXPECT_TRUE(lines[2].starts_with("1,5,2,0,2,0,"));
  EXPECT_TRUE(lines[3].starts_with("3,1,1,0,1,0,"));
  settings.FirstObjectiveIndex = 2;
  settings.SecondObjectiveIndex = kObjectiveService;
  EXPECT_TRUE(TradeoffTableText({}, settings).starts_with("minutes_over_limit,minutes_below_service_target,"));
}

// Every digit that matters, with a dot.
TEST(TradeoffTable, RealsReadBackExactly) {
  GASolution plan;
  plan.Objective1 = 2250.5L;
  plan.Objective2 = 0.1L / 3;
  const std::string line = Lines(TradeoffTableText({plan}, GASettings{})).at(1);
  EXPECT_TRUE(line.starts_with("2250.5,0.0333333333333333333"));
  EXPECT_EQ(std::strtold(line.c_str() + line.find(',') + 1, nullptr), plan.Objective2);
}

}  // namespace
}  // namespace morvane
