// The question an interactive run asks before its best plan replaces a plan in
// force that scores better by the run's first objective (a short or stopped run
// can end worse than a plan the planner already had).
#pragma once

#include <string>

#include "optimiser/ga_settings.h"
#include "optimiser/ga_solution.h"
#include "engine/model.h"
#include "base/number_format.h"

namespace morvane {

// The starts of the plan in the model's StartTimes as a GA plan, unscored.
GASolution PlanInForce(const Model& model);

// "The best plan of this run costs $7,932.16; the plan in force costs $6,419.02.
// Install it?", worded by the first objective: a cost for the cost objectives, else
// the objective's value and name. Both plans are scored.
std::string WorsePlanQuestion(const GASolution& best, const GASolution& inForce,
                              const GASettings& settings, Real criticalPWait,
                              const NumberLocale& locale);

}  // namespace morvane
