// Duty-template lists: labels, the first-period rule and the shift chart.
#include <gtest/gtest.h>

#include "staffing/duty_template.h"

namespace morvane {
namespace {

TEST(DutyTemplate, ListLabelsJoinTheBoundsWithBlanks) {
  EXPECT_EQ(ListPeriodLabel(0), "0 - 15");
  EXPECT_EQ(ListPeriodLabel(95), "1425 - 1440");
}

TEST(DutyTemplate, FirstPeriodRuleSwitchesItemZeroBackOnOnce) {
  PeriodCounts items{};
  items[5] = 1;
  EXPECT_TRUE(ApplyFirstPeriodRule(items));
  EXPECT_EQ(items[0], 1);
  EXPECT_EQ(items[5], 1);
  EXPECT_FALSE(ApplyFirstPeriodRule(items));  // nothing more to warn about
  EXPECT_EQ(kFirstPeriodWarning, "First period must be ON DUTY\rVALUE WILL BE RESET");
}

TEST(DutyTemplate, ShiftScheduleHasAPointPerPeriod) {
  const auto points = ShiftScheduleSeries(StaffingState::initialTemplates()[PartTime]);
  ASSERT_EQ(points.size(), 96u);
  EXPECT_EQ(points[0], (ChartPoint{0, 1}));
  EXPECT_EQ(points[11], (ChartPoint{165, 1}));
  EXPECT_EQ(points[12], (ChartPoint{180, 0}));
  EXPECT_EQ(points[95], (ChartPoint{1425, 0}));
}

}  // namespace
}  // namespace morvane
