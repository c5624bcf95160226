#include "core/schedule_plan.h"

#include <algorithm>
#include <numeric>

namespace morvane {
namespace {

// Adds the duty of every starter of one type into `onDuty`, wrapping past
// minute 1440 to the start of the day only when `wraps`.
void Cover(const PeriodCounts& starts, const PeriodCounts& dutyTemplate, bool wraps,
           PeriodCounts& onDuty) {
  for (int i = 0; i < kPeriods; ++i) {
    const std::int32_t starters = starts[i];
    if (starters <= 0) continue;
    for (int k = 0; k < kPeriods; ++k) {
      const int t = i + k;
      if (wraps || t < kPeriods) onDuty[t % kPeriods] += dutyTemplate[k] * starters;
    }
  }
}

std::int64_t Sum(const PeriodCounts& counts) {
  return std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
}

}  // namespace

void ScheduleGridExit(Model& model) {
  StaffingState& staff = model.staffing;
  for (auto& column : staff.OnDutyByPeriod) column.fill(0);
  Cover(staff.StartTimes[FullTime], staff.DutyTemplate[FullTime], staff.FullTimeWraps,
        staff.OnDutyByPeriod[OnDutyFullTime]);
  Cover(staff.StartTimes[PartTime], staff.DutyTemplate[PartTime], staff.PartTimeWraps,
        staff.OnDutyByPeriod[OnDutyPartTime]);
  staff.MaxServersOnDuty = 0;
  for (int p = 0; p < kPeriods; ++p) {
    const std::int32_t total =
        staff.OnDutyByPeriod[OnDutyFullTime][p] + staff.OnDutyByPeriod[OnDutyPartTime][p];
    staff.OnDutyByPeriod[OnDutyTotal][p] = total;
    staff.MaxServersOnDuty = std::max(staff.MaxServersOnDuty, total);
  }
  for (int p = 0; p < kPeriods; ++p)
    for (int j = 0; j < kMinutesPerPeriod; ++j)
      staff.ServersOnDuty[p * kMinutesPerPeriod + j] = staff.OnDutyByPeriod[OnDutyTotal][p];
  staff.ServersOnDuty[kMinutesPerDay] = staff.ServersOnDuty[0];
  staff.FullTimeCount = Sum(staff.StartTimes[FullTime]);
  staff.PartTimeCount = Sum(staff.StartTimes[PartTime]);
  recomputeLaborCost(model);
}

}  // namespace morvane
