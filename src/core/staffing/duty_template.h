// A duty template as its staffing-window list shows it: 96 items, item k on
// when an employee who starts at minute 0 works minutes 15k..15k+15. The rule
// that keeps the first period on duty, and the "Shift Schedule" chart.
#pragma once

#include <string>
#include <vector>

#include "base/chart_point.h"
#include "engine/model.h"

namespace morvane {

inline const std::string kFirstPeriodWarning = "First period must be ON DUTY\rVALUE WILL BE RESET";

// "0 - 15" .. "1425 - 1440": the label of list item k.
std::string ListPeriodLabel(int item);

// The first-period rule: a shift starts on duty. Returns true when item 0 was
// off, in which case it is now on and the caller shows kFirstPeriodWarning
// (a warning box with an OK button). Items are 1 for checked, else 0.
bool ApplyFirstPeriodRule(PeriodCounts& items);

// The "Shift Schedule" series: 96 points, x = 15k, y = 1 when item k is on, else 0
// (drawn as stairs on axes 0..1440 and 0..1.1).
std::vector<ChartPoint> ShiftScheduleSeries(const PeriodCounts& items);

}  // namespace morvane
