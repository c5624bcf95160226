// What the GA window's two charts show after each generation: the distribution
// of the generation's objective values as arrows in three series, the progress
// lines, and axis limits rounded outward to a step that is a power of ten.
#pragma once

#include <cstdint>
#include <vector>

#include "optimiser/ga_solution.h"

namespace morvane {

// 1 when |x| <= 1e-6, else the largest power of ten not above |x|.
double NiceStep(double x);

struct AxisLimits {
  double minimum = 0;
  double maximum = 0;
};

// The axis rule: step = NiceStep(max - min); max up and min down to a multiple
// of the step; equal limits are widened by one step each way.
AxisLimits NiceAxis(double minimum, double maximum);

// The smallest and largest value a series has held since the run began.
struct SeriesRange {
  double minimum = 0;
  double maximum = 0;
  bool empty = true;
  void add(double value);
};

// One redraw of GAChart ("Carryover", "Import", "Crossover" arrows from (x, 0) to
// (x, 1), bottom axis) and ProgressChart (a point of "Objective Value" on the left
// axis and of "Gen. no change" on the right axis, which never goes below 0).
struct GenerationPlot {
  std::int32_t generation = 0;
  double best = 0;
  std::int32_t noChange = 0;
  std::vector<double> carryover, import, crossover;  // Objective1 of the members
  AxisLimits bottom, left, right;
};

// The progress lines of the run so far, for the automatic scaling of their axes.
struct ProgressRanges {
  SeriesRange best;
  SeriesRange noChange;
};

// PlotGeneration: members 1..actualCarryOver are carried over, the next
// actualImport imported and the rest up to populationSize crossover children.
GenerationPlot PlotGeneration(std::int32_t generation, const Population& population,
                              std::int32_t populationSize, std::int32_t actualCarryOver,
                              std::int32_t actualImport, Real best, std::int32_t noChange,
                              ProgressRanges& ranges);

}  // namespace morvane
