// Scoring one staffing plan: install it as the model's plan, run the queue
// engine on it and read back costs and waiting measures as objective values.
//
// Evaluation is a function of the model, the settings, the state bound and the
// plan alone (no hidden state), so plans can be scored on worker threads, each
// with a Model of its own; the model's results afterwards are this plan's.
#pragma once

#include <cstdint>

#include "core/ga_settings.h"
#include "core/ga_solution.h"
#include "core/model.h"
#include "core/user_interface.h"

namespace morvane {

struct GAContext;

// The capacity test of the plan installed in the model: the day's service
// capacity, (sum over the 96 periods of those on duty) * ServiceRate, must
// exceed the day's mean demand, MeanDemand * 96.
bool PassesCapacityTest(const Model& model);

// Installs `plan` (StartTimes, ScheduleGridExit), sets MaxStates = max(gaStates,
// 100) and, when the plan passes the capacity test and the engine accepts it,
// runs the steady-state and time-dependent computations and fills the plan's
// value fields. Returns whether the plan was feasible; an infeasible plan's
// fields are untouched. The solver's report lines go to `ui`.
bool evaluate_chromosome(Model& model, const GASettings& settings, std::int32_t gaStates,
                         GASolution& plan, UserInterface& ui);

// evaluate_chromosome inside a run: the run's model, settings, state bound and
// user interface; every plan the engine scores is counted in state.Evaluations.
bool EvaluateInRun(GAContext& context, GASolution& plan);

}  // namespace morvane
