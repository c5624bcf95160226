// The local improvement of the best members of a population: a hill climb
// that moves one start at a time StartInterval periods earlier or later and
// keeps a move when Objective1 becomes strictly smaller, cycle after cycle
// until a cycle keeps nothing; a stalled cycle may also swap two part-timers
// for one full-timer when full-timers are cheaper per period on duty.
#pragma once

#include <cstdint>

#include "optimiser/ga_state.h"

namespace morvane {

// Improves the `count` best members (by Objective1) of `population` (either of
// the state's populations) and marks every treated member Improved. Uses
// state.FullTimeCheaper, which the caller computes (FullTimeCheaper()), and stops
// after the current plan when state.StopRequested is set.
void DoImprovements(GAContext& context, std::int32_t count, Population& population);

}  // namespace morvane
