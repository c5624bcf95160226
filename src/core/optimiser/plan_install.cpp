#include "optimiser/plan_install.h"

#include "staffing/schedule_plan.h"
#include "engine/steady_state.h"
#include "engine/time_dependent_solver.h"

namespace morvane {

std::optional<std::string> InstallStarts(Model& model, const GASolution& plan) {
  model.staffing.StartTimes[FullTime] = plan.FullTimeStarts;
  model.staffing.StartTimes[PartTime] = plan.PartTimeStarts;
  return ScheduleGridExit(model);
}

bool InstallPlan(Model& model, const GASolution& plan, UserInterface& ui) {
  if (const auto refusal = InstallStarts(model, plan)) {
    ui.message(MessageKind::Error, *refusal);
    return false;
  }
  return ComputeSteadyState(model, ui) && ComputeTimeDependent(model, ui);
}

}  // namespace morvane
