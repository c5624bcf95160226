// The non-inferior plans of a two-objective run as a table other programs read:
// one CSV line per plan with both objective values, the employee counts and the
// starts of every period, reals with every digit and a dot whatever the locale.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "optimiser/ga_settings.h"
#include "optimiser/ga_solution.h"
#include "base/user_interface.h"

namespace morvane {

// Members 1..n that the tradeoff classification marked NonInferior, ascending
// by Objective1, then Objective2 (then by their starts, so that equal plans
// come together). A plan held by two members is listed twice.
std::vector<GASolution> NonInferiorMembers(const Population& population, std::int32_t n);

// The same with each distinct plan (its starts) once.
std::vector<GASolution> NonInferiorPlans(const Population& population, std::int32_t n);

// The column name of objective `item`: total_cost, max_pwait, minutes_over_limit,
// minutes_below_service_target (none for 3).
std::string ObjectiveColumn(std::int32_t item);

// A header line (the two objectives of `settings`, full_time, part_time,
// ft_00:00 .. ft_23:45, pt_00:00 .. pt_23:45), then one line per plan.
std::string TradeoffTableText(const std::vector<GASolution>& plans, const GASettings& settings);

// The table of the non-inferior plans of members 1..settings.PopulationSize
// written to `path`, with the messages of WriteWholeFile; whether it wrote.
bool WriteTradeoffTable(const std::string& path, const Population& population,
                        const GASettings& settings, UserInterface& ui);

}  // namespace morvane
