// Where a chart axis runs and where its ticks fall: ticks 1, 2 or 5 times a
// power of ten apart, so that four to eight labels show and none repeats.
#pragma once

namespace morvane {

// How one end of an axis meets the data.
enum class AxisEnd {
  Exact,    // stays where it is given: a fixed limit, or the end of the data
  // moves past the data by a little room, then out to the next tick unless
  // that tick lies across 0: values that are never negative start at a tick 0
  Outward,
};

struct AxisScale {
  double minimum = 0;
  double maximum = 1;
  double step = 0.2;  // a tick at every multiple of step from minimum to maximum

  double firstTick() const;
  int labels() const;
};

// An axis over low..high (a span of 1 when high is not above low) with four to
// eight labels, ticks never closer than minStep.
AxisScale FitAxis(double low, double high, AxisEnd lowEnd, AxisEnd highEnd, double minStep = 0);

}  // namespace morvane
