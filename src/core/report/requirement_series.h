// What the staffing window's chart "Servers Required vs. On Duty" draws: per
// quarter-hour the servers the service target needs (by Erlang C and, once
// computed, exactly) against the servers on duty, and the periods short of staff.
#pragma once

#include <optional>
#include <vector>

#include "base/chart_point.h"
#include "engine/model.h"

namespace morvane {

struct RequirementChartSeries {
  // Steps over the day: a point at the start of every period (x = 15 p
  // minutes) and one at minute 1440 that repeats the last period's value.
  std::vector<ChartPoint> erlangC;  // empty without an Erlang C requirement
  std::vector<ChartPoint> exact;    // empty without an exact requirement
  std::vector<ChartPoint> onDuty;   // ServersOnDuty: the plan's, or BaseServers all day
  // One point in the middle of every short period, at its servers on duty. A
  // period is short below the exact requirement, or below Erlang C while no
  // exact requirement is known.
  std::vector<ChartPoint> shortPeriods;
};

RequirementChartSeries RequirementVsOnDuty(const Model& model, const std::optional<PeriodCounts>& erlangC,
                                           const std::optional<PeriodCounts>& exact);

}  // namespace morvane
