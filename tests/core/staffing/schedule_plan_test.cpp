// The plan computation: coverage with and without wrap-around, counts and
// labour cost, and plans too large for the on-duty counts.
#include <gtest/gtest.h>

#include <limits>

#include "staffing/schedule_plan.h"

namespace morvane {
namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

Model PlanModel() {
  Model model;
  model.flags.UseBaseServers = false;
  return model;
}

TEST(ScheduleGridExit, OneFullTimeStartCoversItsEightHours) {
  Model model = PlanModel();
  model.staffing.StartTimes[FullTime][0] = 1;
  ASSERT_FALSE(ScheduleGridExit(model));
  const StaffingState& staff = model.staffing;
  for (int p = 0; p < kPeriods; ++p) {
    EXPECT_EQ(staff.OnDutyByPeriod[OnDutyTotal][p], p < 32 ? 1 : 0) << "period " << p;
    EXPECT_EQ(staff.OnDutyByPeriod[OnDutyFullTime][p], p < 32 ? 1 : 0);
    EXPECT_EQ(staff.OnDutyByPeriod[OnDutyPartTime][p], 0);
  }
  for (int m = 0; m < kMinutesPerDay; ++m) EXPECT_EQ(staff.ServersOnDuty[m], m < 480 ? 1 : 0);
  EXPECT_EQ(staff.ServersOnDuty[1440], 1);  // midnight again
  EXPECT_EQ(staff.MaxServersOnDuty, 1);
  EXPECT_EQ(staff.FullTimeCount, 1);
  EXPECT_EQ(staff.PartTimeCount, 0);
}

TEST(ScheduleGridExit, LastPeriodStartWrapsOnlyWhenAllowed) {
  Model model = PlanModel();
  model.staffing.StartTimes[FullTime][95] = 1;
  ASSERT_FALSE(ScheduleGridExit(model));
  for (int p = 0; p < kPeriods; ++p)
    EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyTotal][p], (p == 95 || p <= 30) ? 1 : 0);

  model.staffing.FullTimeWraps = false;
  ASSERT_FALSE(ScheduleGridExit(model));
  for (int p = 0; p < kPeriods; ++p)
    EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyTotal][p], p == 95 ? 1 : 0);
  EXPECT_EQ(model.staffing.ServersOnDuty[1440], 0);
}

TEST(ScheduleGridExit, PartTimeWrapIsIndependentOfFullTime) {
  Model model = PlanModel();
  model.staffing.FullTimeWraps = false;
  model.staffing.StartTimes[PartTime][90] = 2;  // 12 periods: 90..95 and 0..5 when wrapping
  ASSERT_FALSE(ScheduleGridExit(model));
  EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyPartTime][5], 2);
  EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyPartTime][6], 0);
  model.staffing.PartTimeWraps = false;
  ASSERT_FALSE(ScheduleGridExit(model));
  EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyPartTime][0], 0);
  EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyPartTime][95], 2);
}

TEST(ScheduleGridExit, TotalsAddBothTypesAndFindThePeak) {
  Model model = PlanModel();
  model.staffing.StartTimes[FullTime][0] = 2;
  model.staffing.StartTimes[PartTime][10] = 3;  // overlaps FT in periods 10..21
  ASSERT_FALSE(ScheduleGridExit(model));
  EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyTotal][9], 2);
  EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyTotal][10], 5);
  EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyTotal][22], 2);
  EXPECT_EQ(model.staffing.MaxServersOnDuty, 5);
  EXPECT_EQ(model.staffing.ServersOnDuty[150], 5);
  EXPECT_EQ(model.staffing.ServersOnDuty[149], 2);
}

TEST(ScheduleGridExit, LaborCostCountsEveryStartNegativeOnesIncluded) {
  Model model = PlanModel();
  model.staffing.StartTimes[FullTime][3] = 2;
  model.staffing.StartTimes[FullTime][40] = 1;
  model.staffing.StartTimes[PartTime][70] = 2;
  ASSERT_FALSE(ScheduleGridExit(model));
  EXPECT_EQ(model.staffing.LaborCost, 515.0L);  // 3 x 125 + 2 x 70

  model.staffing.StartTimes[PartTime][0] = -1;  // on duty nowhere, but paid back
  ASSERT_FALSE(ScheduleGridExit(model));
  EXPECT_EQ(model.staffing.PartTimeCount, 1);
  EXPECT_EQ(model.staffing.LaborCost, 445.0L);
  for (int p = 0; p < 12; ++p) EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyPartTime][p], 0);
}

TEST(ScheduleGridExit, ShortAndEmptyTemplates) {
  Model model = PlanModel();
  model.staffing.DutyTemplate[FullTime] = {};
  model.staffing.DutyTemplate[FullTime][0] = 1;  // one period per starter
  model.staffing.StartTimes[FullTime][7] = 4;
  ASSERT_FALSE(ScheduleGridExit(model));
  EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyTotal][7], 4);
  EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyTotal][8], 0);

  // A template with no period on duty cannot come from the windows, but a
  // caller can build one: nobody is on duty and the starters are still paid.
  model.staffing.DutyTemplate[FullTime] = {};
  ASSERT_FALSE(ScheduleGridExit(model));
  EXPECT_EQ(model.staffing.MaxServersOnDuty, 0);
  EXPECT_EQ(model.staffing.ServersOnDuty[1440], 0);
  EXPECT_EQ(model.staffing.LaborCost, 500.0L);
}

TEST(ScheduleGridExit, HugeStartCountsAreCountedExactly) {
  Model model = PlanModel();
  model.staffing.DutyTemplate = {};
  model.staffing.DutyTemplate[FullTime][0] = 1;
  model.staffing.DutyTemplate[PartTime][0] = 1;
  model.staffing.StartTimes[FullTime][0] = kInt32Max;
  model.staffing.StartTimes[FullTime][1] = kInt32Max;
  model.staffing.StartTimes[PartTime][2] = kInt32Max;
  model.staffing.StartTimes[PartTime][3] = std::numeric_limits<std::int32_t>::min();
  ASSERT_FALSE(ScheduleGridExit(model));
  EXPECT_EQ(model.staffing.MaxServersOnDuty, kInt32Max);
  EXPECT_EQ(model.staffing.FullTimeCount, 2 * std::int64_t{kInt32Max});
  EXPECT_EQ(model.staffing.PartTimeCount, -1);
  EXPECT_EQ(model.staffing.LaborCost, 2 * static_cast<Real>(kInt32Max) * 125 - 70);
}

TEST(ScheduleGridExit, PlanBeyondThe32BitOnDutyCountIsRefusedAndNothingChanges) {
  Model model = PlanModel();
  model.staffing.StartTimes[FullTime][0] = 5;
  ASSERT_FALSE(ScheduleGridExit(model));
  const StaffingState before = model.staffing;

  model.staffing.StartTimes[FullTime][0] = kInt32Max;
  model.staffing.StartTimes[PartTime][4] = 1;  // together above 2^31 - 1 in period 4
  const auto refusal = ScheduleGridExit(model);
  ASSERT_TRUE(refusal);
  EXPECT_NE(refusal->find("2147483648 employees on duty in period 60-75"), std::string::npos)
      << *refusal;
  EXPECT_EQ(model.staffing.OnDutyByPeriod, before.OnDutyByPeriod);
  EXPECT_EQ(model.staffing.ServersOnDuty, before.ServersOnDuty);
  EXPECT_EQ(model.staffing.FullTimeCount, before.FullTimeCount);
  EXPECT_EQ(model.staffing.LaborCost, before.LaborCost);
  EXPECT_EQ(OnDutyRefusal(model.staffing), refusal->substr(0, refusal->find('\r')));
}

}  // namespace
}  // namespace morvane
