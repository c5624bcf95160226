#include "staffing/start_times_page.h"

#include <algorithm>
#include <limits>

#include "engine/arrival_rate.h"
#include "engine/steady_state.h"

namespace morvane {

std::int32_t ReadStartCell(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return 0;
  const bool negative = text[i] == '-';
  if (text[i] == '+' || text[i] == '-') ++i;
  // Accumulated as a magnitude that stops growing past the 32-bit range.
  constexpr std::int64_t cap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    magnitude = std::min(cap, magnitude * 10 + (text[i] - '0'));
  const std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string GridPeriodLabel(int period) {
  return std::to_string(period * kMinutesPerPeriod) + "-" +
         std::to_string((period + 1) * kMinutesPerPeriod);
}

PeriodDemand PeriodDemandOf(const ScenarioInputs& inputs, int period) {
  PeriodDemand demand;
  for (int j = 0; j < kMinutesPerPeriod; ++j) {
    const Real minute = static_cast<Real>(period * kMinutesPerPeriod + j);
    demand.peakArrivals = std::max(demand.peakArrivals, ProfileRateAt(inputs, minute));
  }
  // The same rule that raises the servers of an overloaded queue: the smallest
  // n with n * mu > peak, so an exact multiple needs one server more.
  if (inputs.ServiceRate > 0)
    demand.minServers = StableServers(0, demand.peakArrivals, inputs.ServiceRate);
  return demand;
}

std::string ArrivalsText(Real peakArrivals, const NumberLocale& locale) {
  return NumberText(peakArrivals, 5, 2, locale);
}

std::string LaborCostCaption(Real laborCost, const NumberLocale& locale) {
  return "Total Labor Cost = " + CurrencyText(laborCost, 12, 2, locale);
}

CapacityChartSeries MeanArrivalsVsServiceCapacity(const Model& model) {
  CapacityChartSeries series;
  series.meanArrivals.reserve(kMinutePoints);
  series.serviceCapacity.reserve(kMinutePoints);
  for (int m = 0; m < kMinutePoints; ++m) {
    const Real minute = static_cast<Real>(m);
    series.meanArrivals.push_back({minute, ProfileRateAt(model.inputs, minute)});
    series.serviceCapacity.push_back(
        {minute, model.staffing.ServersOnDuty[m] * model.inputs.ServiceRate});
  }
  return series;
}

}  // namespace morvane
