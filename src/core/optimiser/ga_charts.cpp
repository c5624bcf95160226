#include "optimiser/ga_charts.h"

#include <algorithm>
#include <cmath>

namespace morvane {
namespace {

AxisLimits NiceAxisOf(const std::vector<double>& a, const std::vector<double>& b,
                      const std::vector<double>& c) {
  SeriesRange range;
  for (const auto* series : {&a, &b, &c})
    for (const double x : *series) range.add(x);
  return NiceAxis(range.minimum, range.maximum);
}

}  // namespace

double NiceStep(double x) {
  // x is the span of an axis, never negative; the magnitude keeps both loops finite.
  x = std::fabs(x);
  if (x <= 0.000001) return 1;
  double step = 1;
  while (step < x) step *= 10;
  while (step > x) step /= 10;
  return step;
}

AxisLimits NiceAxis(double minimum, double maximum) {
  const double step = NiceStep(maximum - minimum);
  AxisLimits limits{step * std::floor(minimum / step), step * std::ceil(maximum / step)};
  if (limits.minimum == limits.maximum) {
    limits.minimum -= step;
    limits.maximum += step;
  }
  return limits;
}

void SeriesRange::add(double value) {
  minimum = empty ? value : std::min(minimum, value);
  maximum = empty ? value : std::max(maximum, value);
  empty = false;
}

GenerationPlot PlotGeneration(std::int32_t generation, const Population& population,
                              std::int32_t populationSize, std::int32_t actualCarryOver,
                              std::int32_t actualImport, Real best, std::int32_t noChange,
                              ProgressRanges& ranges) {
  GenerationPlot plot;
  plot.generation = generation;
  plot.best = static_cast<double>(best);
  plot.noChange = noChange;
  // Import slots may lie beyond the members (more imported than room); they are drawn too.
  const std::int32_t last = std::max(populationSize, actualCarryOver + actualImport);
  for (std::int32_t i = 1; i <= last; ++i) {
    const double x = static_cast<double>(population[i].Objective1);
    if (i <= actualCarryOver)
      plot.carryover.push_back(x);
    else if (i <= actualCarryOver + actualImport)
      plot.import.push_back(x);
    else
      plot.crossover.push_back(x);
  }
  ranges.best.add(plot.best);
  ranges.noChange.add(noChange);
  plot.bottom = NiceAxisOf(plot.carryover, plot.import, plot.crossover);
  plot.left = NiceAxis(ranges.best.minimum, ranges.best.maximum);
  plot.right = NiceAxis(ranges.noChange.minimum, ranges.noChange.maximum);
  plot.right.minimum = std::max(0.0, plot.right.minimum);  // a count: 0..1 while it is 0
  return plot;
}

}  // namespace morvane
