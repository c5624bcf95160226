#include "staffing/schedule_plan.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "staffing/start_times_page.h"

namespace morvane {
namespace {

// On-duty counts held wide while they are summed: 96 starts of up to 2^31 - 1
// each, for two types, stay far inside 64 bits.
using WideCounts = std::array<std::int64_t, kPeriods>;

struct Coverage {
  WideCounts fullTime{};
  WideCounts partTime{};
};

// Adds the duty of every starter of one type into `onDuty`. A negative start
// count puts no one on duty.
void Cover(const PeriodCounts& starts, const PeriodCounts& dutyTemplate, bool wraps,
           WideCounts& onDuty) {
  for (int i = 0; i < kPeriods; ++i) {
    const std::int64_t starters = starts[i];
    if (starters <= 0) continue;
    const PeriodCounts duty = DutyOfStart(dutyTemplate, wraps, i);
    for (int p = 0; p < kPeriods; ++p) onDuty[p] += starters * duty[p];
  }
}

Coverage CoverageOf(const StaffingState& staff) {
  Coverage coverage;
  Cover(staff.StartTimes[FullTime], staff.DutyTemplate[FullTime], staff.FullTimeWraps,
        coverage.fullTime);
  Cover(staff.StartTimes[PartTime], staff.DutyTemplate[PartTime], staff.PartTimeWraps,
        coverage.partTime);
  return coverage;
}

std::optional<std::string> RefusalFor(const Coverage& coverage) {
  constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
  for (int p = 0; p < kPeriods; ++p) {
    const std::int64_t total = coverage.fullTime[p] + coverage.partTime[p];
    if (total > limit)
      return "The plan puts " + std::to_string(total) + " employees on duty in period " +
             GridPeriodLabel(p) + ", more than the " + std::to_string(limit) +
             " a period can count.";
  }
  return std::nullopt;
}

std::int64_t Sum(const PeriodCounts& counts) {
  return std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
}

}  // namespace

// Duty past minute 1440 comes back at the start of the day only when the shift
// wraps; a template entry is on duty only when it is 1.
PeriodCounts DutyOfStart(const PeriodCounts& dutyTemplate, bool wraps, int start) {
  PeriodCounts duty{};
  for (int k = 0; k < kPeriods; ++k) {
    const int period = start + k;
    if (dutyTemplate[k] == 1 && (wraps || period < kPeriods)) duty[period % kPeriods] = 1;
  }
  return duty;
}

std::optional<std::string> OnDutyRefusal(const StaffingState& staff) {
  return RefusalFor(CoverageOf(staff));
}

std::optional<std::string> ScheduleGridExit(Model& model) {
  StaffingState& staff = model.staffing;
  // 2.-5. Coverage of both types, checked before anything is written.
  const Coverage coverage = CoverageOf(staff);
  if (const auto refusal = RefusalFor(coverage))
    return *refusal +
           "\rLower the start counts; the on-duty figures, the employee counts and the labor "
           "cost still show the last plan computed.";
  // 6. Totals per period and the most on duty at once; 8. every minute of a
  // period has the period's servers.
  auto& onDuty = staff.OnDutyByPeriod;
  PeriodCounts total{};
  for (int p = 0; p < kPeriods; ++p) {
    onDuty[OnDutyFullTime][p] = static_cast<std::int32_t>(coverage.fullTime[p]);
    onDuty[OnDutyPartTime][p] = static_cast<std::int32_t>(coverage.partTime[p]);
    total[p] = static_cast<std::int32_t>(coverage.fullTime[p] + coverage.partTime[p]);
  }
  putServersByPeriod(staff, total);
  // 10.-11. Employees hired, negative counts included, and what they cost.
  staff.FullTimeCount = Sum(staff.StartTimes[FullTime]);
  staff.PartTimeCount = Sum(staff.StartTimes[PartTime]);
  recomputeLaborCost(model);
  return std::nullopt;
}

}  // namespace morvane
