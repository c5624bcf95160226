#include "engine/demand_forecast.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace morvane {

bool IsForecastInterval(std::int32_t minutes) {
  return std::find(std::begin(kForecastIntervals), std::end(kForecastIntervals), minutes) !=
         std::end(kForecastIntervals);
}

Real DemandForecast::rateAt(Real t) const {
  const auto minute = static_cast<std::int64_t>(t) % (24 * 60);
  return Rates[static_cast<std::size_t>(minute / IntervalMinutes)];
}

Real DemandForecast::lowest() const { return *std::min_element(Rates.begin(), Rates.end()); }

Real DemandForecast::mean() const {
  return std::accumulate(Rates.begin(), Rates.end(), Real{0}) / static_cast<Real>(Rates.size());
}

Real DemandForecast::peak() const { return *std::max_element(Rates.begin(), Rates.end()); }

}  // namespace morvane
