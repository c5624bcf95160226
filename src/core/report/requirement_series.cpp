#include "report/requirement_series.h"

namespace morvane {
namespace {

std::vector<ChartPoint> Steps(const PeriodCounts& counts) {
  std::vector<ChartPoint> points;
  points.reserve(kPeriods + 1);
  for (int period = 0; period < kPeriods; ++period)
    points.push_back({static_cast<Real>(period * kMinutesPerPeriod), static_cast<Real>(counts[period])});
  points.push_back({kMinutesPerDay, static_cast<Real>(counts[kPeriods - 1])});
  return points;
}

std::vector<ChartPoint> StepsOrNone(const std::optional<PeriodCounts>& counts) {
  return counts ? Steps(*counts) : std::vector<ChartPoint>{};
}

}  // namespace

RequirementChartSeries RequirementVsOnDuty(const Model& model, const std::optional<PeriodCounts>& erlangC,
                                           const std::optional<PeriodCounts>& exact) {
  const PeriodCounts onDuty = onDutyInForce(model.staffing);
  RequirementChartSeries series{StepsOrNone(erlangC), StepsOrNone(exact), Steps(onDuty), {}};
  const std::optional<PeriodCounts>& needed = exact ? exact : erlangC;
  if (!needed) return series;
  for (int period = 0; period < kPeriods; ++period)
    if (onDuty[period] < (*needed)[period])
      series.shortPeriods.push_back({(period + 0.5L) * kMinutesPerPeriod, static_cast<Real>(onDuty[period])});
  return series;
}

}  // namespace morvane
