// "&Improve current soln.": the local improvement of the model's current
// staffing plan on its own. It borrows member 1 of Population and
// PopulationSize for the duration and gives both back, so the population of the
// last GA run is unchanged afterwards.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "optimiser/ga_state.h"

namespace morvane {

inline const std::string kSwapQuestion = "Do you want to allow Full Time for Part-Time swaps?";

// Computes the plan in StartTimes (ScheduleGridExit) and says why it cannot be
// improved, or nothing. The hill climb keeps a move only when the plan's value
// falls, and a plan whose day capacity does not exceed the day's demand is
// never evaluated, so it has no value to start from.
std::optional<std::string> CurrentPlanRefusal(Model& model);

// Improves the plan in StartTimes: asks whether swaps are allowed (when two
// part-timers could make way for a cheaper full-timer), evaluates the plan,
// raises MaxCost to cover it, calls `improving` (the window shows its
// improvement layout) and runs DoImprovements on it as member 1 of a population
// of one. Returns the improved plan, installed in StartTimes with its counts,
// labour cost and person-hours, and the mode flags InteractiveMode and
// DrawCharts on; ShowWarnings stays off until the caller has computed the plan
// on screen. AllowSwap has its value from before. Returns nothing, after a
// message and with the model's flags on, when the plan cannot be improved.
std::optional<GASolution> ImproveCurrentPlan(GAContext& context,
                                             const std::function<void()>& improving);

}  // namespace morvane
