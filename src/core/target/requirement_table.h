// The staffing requirement as a table other programs read: one CSV line per
// quarter-hour with its start, the Erlang C and the exact requirement and the
// servers a plan puts on duty, so a planner sees where the plan falls short.
#pragma once

#include <string>

#include "base/user_interface.h"
#include "target/requirement.h"

namespace morvane {

// "start,erlang_c,exact,on_duty", then a line per period, start as HH:MM
// (00:00 .. 23:45).
std::string RequirementTableText(const StaffingRequirement& requirement,
                                 const PeriodCounts& onDuty);

// The table written to `path` with the messages of WriteWholeFile; whether it wrote.
bool WriteRequirementTable(const std::string& path, const StaffingRequirement& requirement,
                           const PeriodCounts& onDuty, UserInterface& ui);

}  // namespace morvane
