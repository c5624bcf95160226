#include "optimiser/part_time_swap.h"

namespace morvane {
namespace {

// Adds the duty of one employee starting at `start` into `onDuty`.
void AddShift(const PeriodCounts& dutyTemplate, bool wraps, int start, PeriodCounts& onDuty) {
  for (int d = 0; d < kPeriods; ++d) {
    const int c = start + d;
    if (c < kPeriods || wraps) onDuty[c % kPeriods] += dutyTemplate[d];
  }
}

}  // namespace

bool SwapCovers(const StaffingState& staffing, int p, int q) {
  PeriodCounts partTime{};
  PeriodCounts fullTime{};
  const PeriodCounts& ptTemplate = staffing.DutyTemplate[PartTime];
  AddShift(ptTemplate, staffing.PartTimeWraps, p, partTime);
  AddShift(ptTemplate, staffing.PartTimeWraps, q, partTime);
  AddShift(staffing.DutyTemplate[FullTime], staffing.FullTimeWraps, p, fullTime);
  for (int t = 0; t < kPeriods; ++t)
    if (fullTime[t] < partTime[t]) return false;
  return true;
}

std::optional<int> SwapPartner(const StaffingState& staffing, const GASolution& plan, int p) {
  for (int step = 1; step < kPeriods; ++step) {
    const int q = (p + step) % kPeriods;
    if (plan.PartTimeStarts[q] > 0 && SwapCovers(staffing, p, q)) return q;
  }
  return std::nullopt;
}

}  // namespace morvane
