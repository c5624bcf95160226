// The polish of a plan that meets the service target: moves that lower its
// labour cost while no step falls below the target in the exact model. A move
// drops a start, swaps two part-timers for one full-timer (or back) where that
// is cheaper, or drops a start while moving another by up to four start
// intervals to fill the gap. Every move is scored by the time-dependent engine.
#pragma once

#include <cstdint>
#include <vector>

#include "target/integer_cover.h"
#include "target/service_check.h"

namespace morvane {

struct PolishRun {
  const CoverProblem& problem;  // templates, wrap rules, costs, start interval
  const PeriodCounts& exact;    // the exact requirement: ranks the moves worth scoring
  TargetChecker& checker;
  UserInterface& ui;
  const TargetSearch& search;
};

// The plans the polish went through, from `plan` (which meets the target in
// double precision) to the cheapest it found; each meets the target in double
// precision and costs less than the one before.
std::vector<PlanStarts> PolishCover(const PolishRun& run, const PlanStarts& plan);

}  // namespace morvane
