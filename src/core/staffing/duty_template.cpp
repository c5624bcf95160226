#include "staffing/duty_template.h"

namespace morvane {

std::string ListPeriodLabel(int item) {
  return std::to_string(item * kMinutesPerPeriod) + " - " +
         std::to_string((item + 1) * kMinutesPerPeriod);
}

bool ApplyFirstPeriodRule(PeriodCounts& items) {
  if (items[0] == 1) return false;
  items[0] = 1;
  return true;
}

std::vector<ChartPoint> ShiftScheduleSeries(const PeriodCounts& items) {
  std::vector<ChartPoint> points;
  points.reserve(kPeriods);
  for (int k = 0; k < kPeriods; ++k)
    points.push_back({static_cast<Real>(k * kMinutesPerPeriod), items[k] == 1 ? 1.0L : 0.0L});
  return points;
}

}  // namespace morvane
