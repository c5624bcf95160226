#include "target/plan_for_target.h"

#include "staffing/schedule_plan.h"

namespace morvane {

TargetOutcome ComputePlanForTarget(const Model&, std::int32_t, UserInterface&,
                                   const TargetSearch&) {
  TargetOutcome outcome;
  outcome.refusal = "not built yet";
  return outcome;
}

void InstallTargetPlan(Model& model, const PlanStarts& starts) {
  model.staffing.StartTimes = starts;
  ScheduleGridExit(model);
  model.flags.UseBaseServers = false;
}

}  // namespace morvane
