// Turning duty templates, wrap flags and start counts into the servers on duty
// in every period and minute, the employee counts and the labour cost.
#pragma once

#include <optional>
#include <string>

#include "engine/model.h"

namespace morvane {

// The periods one employee started in period `start` is on duty: 1 in period
// (start + k) mod 96 when template entry k is 1 and the shift either wraps past
// midnight or start + k < 96; else 0. Every count of servers on duty is built
// from this.
PeriodCounts DutyOfStart(const PeriodCounts& dutyTemplate, bool wraps, int start);

// The plan computation behind the staffing grid: reads StartTimes, both
// DutyTemplates and the wrap flags; writes OnDutyByPeriod, MaxServersOnDuty,
// ServersOnDuty, the counts and LaborCost. Touches no window: a window first
// reads its grid and lists into the model, calls this, then shows the columns.
//
// Start counts may be anything a 32-bit integer holds, so a period can collect
// more employees than its 32-bit on-duty count can hold. Such a plan is refused:
// the message is returned and every result keeps the value of the last plan
// that was computed. Otherwise the result is empty.
std::optional<std::string> ScheduleGridExit(Model& model);

// The same test without computing anything: why the plan cannot be computed, or nothing.
std::optional<std::string> OnDutyRefusal(const StaffingState& staff);

}  // namespace morvane
