// What the main window's charts draw, as points: the rates, the mean number in
// system, the probability of waiting, the service level and abandonment over
// the day, and the distribution of the number in system at a chosen time.
#pragma once

#include <cstdint>
#include <vector>

#include "base/chart_point.h"
#include "engine/model.h"

namespace morvane {

// Per minute m = 0..1440, x = m.
std::vector<ChartPoint> ArrivalSeries(const Model& model);    // ArrivalRate[m]
std::vector<ChartPoint> CapacitySeries(const Model& model);   // ServersOnDuty[m] * ServiceRate
std::vector<ChartPoint> SteadyNumberSeries(const Model& model);
std::vector<ChartPoint> SteadyPWaitSeries(const Model& model);

// Per time step k = 0..NumSteps of the last time-dependent run, x = k * TimeStepSeconds / 60.
std::vector<ChartPoint> TimeDepNumberSeries(const Model& model);
std::vector<ChartPoint> TimeDepPWaitSeries(const Model& model);
std::vector<ChartPoint> TimeDepPAllBusySeries(const Model& model);
// Service level (fraction answered within the target time) per minute and per step.
std::vector<ChartPoint> SteadyServiceLevelSeries(const Model& model);
std::vector<ChartPoint> TimeDepServiceLevelSeries(const Model& model);
// Abandonment (fraction of callers who hang up) per minute and per step.
std::vector<ChartPoint> SteadyAbandonmentSeries(const Model& model);
std::vector<ChartPoint> TimeDepAbandonmentSeries(const Model& model);

// The states drawn of a distribution: n = 0, 1, ... while the probability drawn is
// below 0.99995 or n <= stateLimit, so at least 0..stateLimit; never past the
// vector's last entry (state 501).
std::vector<ChartPoint> DistributionSeries(const ProbVector& vector, std::int32_t stateLimit);

// The time step a plot time (minutes) falls on: t * 60 / TimeStepSeconds rounded
// to the nearest step, halves to even (1 minute at 120 seconds is step 0).
std::int32_t PlotStep(std::int32_t minutes, std::int32_t timeStepSeconds);

}  // namespace morvane
