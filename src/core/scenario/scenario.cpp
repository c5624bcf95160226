#include "scenario/scenario.h"

#include "staffing/schedule_plan.h"

namespace morvane {

void PutPlan(const ScenarioPlan& plan, StaffingState& staff) {
  staff.DutyTemplate = plan.DutyTemplate;
  staff.FullTimeWraps = plan.FullTimeWraps;
  staff.PartTimeWraps = plan.PartTimeWraps;
  staff.StartTimes = plan.StartTimes;
}

Scenario CurrentScenario(const Model& model, const GASettings& ga,
                         const std::optional<DemandForecast>& loadedForecast) {
  Scenario scenario{model.inputs, model.inputs.Forecast ? model.inputs.Forecast : loadedForecast,
                    model.CriticalPWait, std::nullopt, ga};
  const StaffingState& staff = model.staffing;
  if (!model.flags.UseBaseServers)
    scenario.plan = ScenarioPlan{staff.DutyTemplate, staff.FullTimeWraps, staff.PartTimeWraps,
                                 staff.StartTimes};
  return scenario;
}

void ApplyScenario(const Scenario& scenario, Model& model, GASettings& ga) {
  model.inputs = scenario.inputs;
  model.CriticalPWait = scenario.CriticalPWait;
  ga = scenario.ga;
  PutPlan(scenario.plan.value_or(ScenarioPlan{}), model.staffing);
  if (!scenario.plan) {
    installBaseStaffing(model);
    return;
  }
  model.flags.UseBaseServers = false;
  ScheduleGridExit(model);  // a checked plan always fits
}

}  // namespace morvane
