// The day's results as CSV tables for spreadsheets and scripts: one header line
// of named columns, then a line per point; reals at full precision with a dot
// whatever the locale (base/exact_text.h). The main window's "Export results..."
// and morvane-batch's --minutes and --steps write them.
#pragma once

#include <ostream>

#include "engine/model.h"

namespace morvane {

// step,minute,mean,pwait,service_level,asa,pallbusy,abandonment for steps 0..NumSteps
// of the last time-dependent run.
void WriteStepTable(const Model& model, std::ostream& out);
// minute,arrival,capacity,servers,ss_mean,ss_pwait,ss_service_level,ss_asa,overloaded,
// ss_abandonment for minutes 0..1440 of the steady state (overloaded 1 or 0).
// Columns added later go at the end of a row, so readers of the older columns keep them.
void WriteMinuteTable(const Model& model, std::ostream& out);

}  // namespace morvane
