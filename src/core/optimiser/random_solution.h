// Random staffing plans within the maximum labour cost: employees are added at
// random start periods, full-time ones with probability FullTimeBias while they
// still fit, until no further part-timer fits under MaxCost.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "optimiser/ga_state.h"

namespace morvane {

// A random plan stops growing at this many employees even when MaxCost leaves
// room (a tiny part-time cost would otherwise grow it almost without end); more
// employees than this cannot be told apart by a state space of 500.
inline constexpr std::int32_t kMaxEmployeesPerPlan = 2000;

// Consecutive infeasible random plans after which generate_random_solution gives
// up: then no plan within MaxCost passes the capacity test often enough to use.
// A failed try costs microseconds (it never reaches the queue engine).
inline constexpr std::int32_t kMaxRandomPlanTries = 100000;

// Makes random plans in `plan` (steps 1-3) with draws from `random` until
// `accept` takes one (step 4); false after kMaxRandomPlanTries tries in a row.
bool MakeRandomPlan(const Model& model, const GASettings& settings, RandomGenerator& random,
                    GASolution& plan, const std::function<bool(GASolution&)>& accept);

// Fills `plan` with a random plan within MaxCost that passed evaluation, its
// Origin "Random". Returns false, with the plan holding the last (infeasible)
// try, when kMaxRandomPlanTries tries in a row were infeasible.
// Draws come from state.random, evaluations use state.GAStates.
bool generate_random_solution(GAContext& context, GASolution& plan);

// The message of a run that ends because no random plan was feasible.
std::string NoFeasiblePlanMessage(const GASettings& settings, const NumberLocale& locale);

}  // namespace morvane
