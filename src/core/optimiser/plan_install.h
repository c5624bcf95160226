// Making a GA plan the model's current staffing plan: its starts go into
// StartTimes, the servers on duty and labour cost follow, and the queue engine
// runs on it with the mode flags as the caller set them. The end of a GA run,
// the tradeoff chart's point click and the improvement of the current plan use it.
#pragma once

#include <optional>
#include <string>

#include "optimiser/ga_solution.h"
#include "engine/model.h"
#include "base/user_interface.h"

namespace morvane {

// The plan's starts into StartTimes, then ScheduleGridExit: servers on duty,
// employee counts and labour cost of the plan. Returns why the plan cannot be
// computed (more employees in a period than a count holds), or nothing.
std::optional<std::string> InstallStarts(Model& model, const GASolution& plan);

// InstallStarts, then the steady-state and time-dependent computations.
// Returns false when the plan or the engine was refused (after the message).
bool InstallPlan(Model& model, const GASolution& plan, UserInterface& ui);

}  // namespace morvane
