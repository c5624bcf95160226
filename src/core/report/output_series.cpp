#include "report/output_series.h"

#include <cmath>

#include "engine/measures.h"
#include "engine/service_level.h"

namespace morvane {
namespace {

inline constexpr Real kCoveredProbability = 0.99995L;

template <typename Value>
std::vector<ChartPoint> PerMinute(Value value) {
  std::vector<ChartPoint> points(kMinutePoints);
  for (int m = 0; m < kMinutePoints; ++m) points[m] = {static_cast<Real>(m), value(m)};
  return points;
}

template <typename Value>
std::vector<ChartPoint> PerStep(const Model& model, Value value) {
  const std::int32_t numSteps = model.steps.NumSteps;
  std::vector<ChartPoint> points(static_cast<std::size_t>(numSteps) + 1);
  for (std::int32_t k = 0; k <= numSteps; ++k)
    points[k] = {static_cast<Real>(k) * model.inputs.TimeStepSeconds / 60, value(k)};
  return points;
}

}  // namespace

std::vector<ChartPoint> ArrivalSeries(const Model& model) {
  return PerMinute([&](int m) { return model.minutes.ArrivalRate[m]; });
}

std::vector<ChartPoint> CapacitySeries(const Model& model) {
  return PerMinute(
      [&](int m) { return model.staffing.ServersOnDuty[m] * model.inputs.ServiceRate; });
}

std::vector<ChartPoint> SteadyNumberSeries(const Model& model) {
  return PerMinute([&](int m) { return model.minutes.SteadyMean[m]; });
}

std::vector<ChartPoint> SteadyPWaitSeries(const Model& model) {
  return PerMinute([&](int m) { return SteadyPWait(model, m); });
}

std::vector<ChartPoint> TimeDepNumberSeries(const Model& model) {
  return PerStep(model, [&](std::int32_t k) { return model.steps.TimeDepMean[k]; });
}

std::vector<ChartPoint> TimeDepPWaitSeries(const Model& model) {
  return PerStep(model, [&](std::int32_t k) { return TimeDepPWait(model, k); });
}

std::vector<ChartPoint> TimeDepPAllBusySeries(const Model& model) {
  return PerStep(model, [&](std::int32_t k) { return TimeDepPAllBusy(model, k); });
}

std::vector<ChartPoint> SteadyServiceLevelSeries(const Model& model) {
  const std::vector<ServiceFigures> figures = SteadyServiceMinutes(model);
  return PerMinute([&](int m) { return figures[m].level; });
}

std::vector<ChartPoint> TimeDepServiceLevelSeries(const Model& model) {
  const std::vector<ServiceFigures> figures = TimeDepServiceSteps(model);
  return PerStep(model, [&](std::int32_t k) { return figures[k].level; });
}

std::vector<ChartPoint> SteadyAbandonmentSeries(const Model& model) {
  const std::vector<ServiceFigures> figures = SteadyServiceMinutes(model);
  return PerMinute([&](int m) { return figures[m].abandoned; });
}

std::vector<ChartPoint> TimeDepAbandonmentSeries(const Model& model) {
  const std::vector<ServiceFigures> figures = TimeDepServiceSteps(model);
  return PerStep(model, [&](std::int32_t k) { return figures[k].abandoned; });
}

std::vector<ChartPoint> DistributionSeries(const ProbVector& vector, std::int32_t stateLimit) {
  std::vector<ChartPoint> points;
  Real covered = 0;
  for (int n = 0; n <= kHighestIndex && (covered < kCoveredProbability || n <= stateLimit); ++n) {
    points.push_back({static_cast<Real>(n), vector[n]});
    covered += vector[n];
  }
  return points;
}

std::int32_t PlotStep(std::int32_t minutes, std::int32_t timeStepSeconds) {
  // nearbyint rounds halves to even in the default rounding mode.
  return static_cast<std::int32_t>(
      std::nearbyint(static_cast<double>(minutes) * 60 / timeStepSeconds));
}

}  // namespace morvane
