// Turning duty templates, wrap flags and start counts into the servers on duty
// in every period and minute, the employee counts and the labour cost.
#pragma once

#include "core/model.h"

namespace morvane {

// The plan computation behind the staffing grid: reads StartTimes, both
// DutyTemplates and the wrap flags; writes OnDutyByPeriod, MaxServersOnDuty,
// ServersOnDuty, the counts and LaborCost. Touches no window: a window first
// reads its grid and lists into the model, calls this, then shows the columns.
void ScheduleGridExit(Model& model);

}  // namespace morvane
