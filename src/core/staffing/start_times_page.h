// What the staffing window's "Start Times" page shows around the plan: how a
// start cell is read, the period labels, the "Arrivals" and "Min Servers"
// columns, the labour-cost caption and the "Mean Arrivals vs. Service
// Capacity" chart. The window only puts these into its controls.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/chart_point.h"
#include "engine/model.h"
#include "base/number_format.h"

namespace morvane {

// A start cell as a count: leading blanks skipped, then an optional sign and the
// leading digits ("3a" is 3; "a3", "-" and "" are 0). Text is never refused.
// Digits beyond the 32-bit range count as the nearest 32-bit value.
std::int32_t ReadStartCell(std::string_view text);

// "0-15" .. "1425-1440": the label of period p in the grid's "Time" column.
std::string GridPeriodLabel(int period);

// The demand side of one grid row.
struct PeriodDemand {
  Real peakArrivals = 0;        // "Arrivals": highest rate per hour of the period's minutes, >= 0
  std::int64_t minServers = 0;  // "Min Servers": fewest servers with capacity above the peak
};

// Peak over the whole minutes 15p..15p+14 of the sinusoidal rate (no blocks),
// and the smallest n with n * ServiceRate > peak. A service rate of 0 or below
// never exceeds the peak; minServers is then 0.
PeriodDemand PeriodDemandOf(const ScenarioInputs& inputs, int period);

// The "Arrivals" cell: the peak in number format, 5 significant digits, 2 decimals.
std::string ArrivalsText(Real peakArrivals, const NumberLocale& locale);

// The caption under the chart: "Total Labor Cost = " and the cost in currency
// format, 12 significant digits, 2 decimals.
std::string LaborCostCaption(Real laborCost, const NumberLocale& locale);

// The two series of "Mean Arrivals vs. Service Capacity", 1441 points each, x = minute:
// "Mean Arrivals" the sinusoidal rate, "Service Capacity" (stairs) ServersOnDuty * ServiceRate.
struct CapacityChartSeries {
  std::vector<ChartPoint> meanArrivals;
  std::vector<ChartPoint> serviceCapacity;
};
CapacityChartSeries MeanArrivalsVsServiceCapacity(const Model& model);

}  // namespace morvane
