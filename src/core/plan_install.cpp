#include "core/plan_install.h"

#include "core/schedule_plan.h"
#include "core/steady_state.h"
#include "core/time_dependent_solver.h"

namespace morvane {

void InstallStarts(Model& model, const GASolution& plan) {
  model.staffing.StartTimes[FullTime] = plan.FullTimeStarts;
  model.staffing.StartTimes[PartTime] = plan.PartTimeStarts;
  ScheduleGridExit(model);
}

bool InstallPlan(Model& model, const GASolution& plan, UserInterface& ui) {
  InstallStarts(model, plan);
  return ComputeSteadyState(model, ui) && ComputeTimeDependent(model, ui);
}

}  // namespace morvane
