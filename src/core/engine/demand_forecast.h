// A day's demand from a forecast: one arrival rate per equal interval from 00:00.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/real.h"

namespace morvane {

// Interval lengths a forecast may use, in minutes; each divides the day.
inline constexpr std::int32_t kForecastIntervals[] = {1, 5, 10, 15, 20, 30, 60};
bool IsForecastInterval(std::int32_t minutes);

struct DemandForecast {
  std::string FileName;             // the file's name without its folder
  std::int32_t IntervalMinutes = 0;
  std::vector<Real> Rates;          // arrivals per hour, interval 0 from 00:00

  // The rate of the interval holding minute floor(t) of the day (t = 1440 is 00:00 again).
  Real rateAt(Real t) const;
  Real lowest() const;
  Real mean() const;
  Real peak() const;

  bool operator==(const DemandForecast&) const = default;
};

}  // namespace morvane
