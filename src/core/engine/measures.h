// Performance measures over the day and the texts of the result labels.
#pragma once

#include <string>

#include "engine/model.h"
#include "base/number_format.h"

namespace morvane {

// P(wait) at minute m of the steady state: all servers on duty busy (1 when
// overloaded and nobody hangs up).
Real SteadyPWait(const Model& model, int minute);
// P(wait) at step k of the time-dependent run: more in system than the day's most servers.
Real TimeDepPWait(const Model& model, std::int32_t step);
// P(all busy) at step k: a caller arriving then finds every server then on duty
// (StepServers[k]) busy, n >= StepServers[k]; 1 with nobody on duty.
Real TimeDepPAllBusy(const Model& model, std::int32_t step);
// The largest P(all busy) over the steps 0..NumSteps-1 where contacts arrive.
Real MaxPAllBusy(const Model& model);

// TotalPersonHours, MaxPWait and MinutesOverLimit of the last time-dependent run.
void ComputeDayMeasures(Model& model);

Real PersonCost(const Model& model);
Real TotalSystemCost(const Model& model);

// Captions of the result labels.
struct ResultLabels {
  std::string TimeOverLimitLabel;
  std::string MaxProbWaitLabel;
  std::string MaxPAllBusyLabel;
  std::string MaxP200Label;
  std::string TotalPersonHoursLabel;
  std::string TotalPersonHoursCostLabel;
  std::string TotalLaborCostLabel;
  std::string TotalCostLabel;
};

ResultLabels ResultLabelTexts(const Model& model, const NumberLocale& locale);

}  // namespace morvane
