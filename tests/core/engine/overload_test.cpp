// Overloaded minutes: counted, in runs for shading, and flagged in the minute table.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "engine/overload.h"
#include "engine/steady_state.h"
#include "report/result_tables.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

TEST(Overload, MinutesAtOrAboveCapacityAreCountedRangedAndTabled) {
  auto model = std::make_unique<Model>();  // 6 servers x 2.5 per hour: capacity 15
  DemandForecast forecast;
  forecast.IntervalMinutes = 30;
  forecast.Rates.assign(48, 10);
  forecast.Rates[10] = forecast.Rates[11] = 20;  // 05:00-06:00 above capacity
  forecast.Rates[30] = 15;                       // 15:00-15:30 at capacity
  forecast.Rates[47] = 15;                       // the last half hour, up to 24:00
  model->inputs.Forecast = forecast;
  installBaseStaffing(*model);
  testing::ScriptedUserInterface ui;
  ASSERT_TRUE(ComputeSteadyState(*model, ui));

  EXPECT_EQ(OverloadedMinutes(*model), 120);  // minute 1440 is not a minute of the day
  EXPECT_EQ(OverloadedRanges(*model),
            (std::vector<MinuteRange>{{300, 360}, {900, 930}, {1410, 1440}}));
  EXPECT_EQ(OverloadedMinutesLabel(*model), "Overloaded minutes = 120");
  EXPECT_EQ(model->minutes.SteadyMean[300], 1);  // the placeholder stays

  std::ostringstream table;
  WriteMinuteTable(*model, table);
  std::istringstream lines(table.str());
  std::string line;
  std::vector<std::string> rows;
  while (std::getline(lines, line)) rows.push_back(line);
  ASSERT_EQ(rows.size(), 1442u);
  EXPECT_TRUE(rows[0].ends_with(",ss_asa,overloaded,ss_abandonment"));
  EXPECT_TRUE(rows[1 + 299].ends_with(",0,0"));  // overloaded, then nobody hangs up
  EXPECT_TRUE(rows[1 + 300].ends_with(",1,0"));
  EXPECT_TRUE(rows[1 + 359].ends_with(",1,0"));
  EXPECT_TRUE(rows[1 + 360].ends_with(",0,0"));
}

TEST(Overload, RaisedServersStayCountableForAnyRate) {
  EXPECT_EQ(StableServers(6, 10, 2.5L), 6);
  EXPECT_EQ(StableServers(6, 15, 2.5L), 7);
  EXPECT_EQ(StableServers(0, 1e60L, 2.5L), kServerCountCeiling);
  EXPECT_EQ(StableServers(0, 1e4000L, 0.01L), kServerCountCeiling);
  EXPECT_EQ(StableServers(0, std::numeric_limits<Real>::infinity(), 2.5L), kServerCountCeiling);
  EXPECT_EQ(StableServers(0, 5, 0), kServerCountCeiling);
  EXPECT_EQ(StableServers(0, 1e12L, 1), 1000000000001);
}

}  // namespace
}  // namespace morvane
