#include "core/evaluation.h"

#include <algorithm>
#include <numeric>

#include "core/ga_state.h"
#include "core/plan_install.h"
#include "core/steady_state.h"
#include "core/time_dependent_solver.h"

namespace morvane {
namespace {

inline constexpr std::int32_t kLeastStates = 100;

void FillValues(const Model& model, const GASettings& settings, GASolution& plan) {
  const StepResults& steps = model.steps;
  plan.PersonHours = steps.TotalPersonHours;
  plan.TotalCost = steps.TotalPersonHours * model.inputs.DelayCost + model.staffing.LaborCost;
  // The day measures of the solver: P(wait) with the day's most servers on duty
  // over steps 0..NumSteps-1, and StepMinutes for every step above CriticalPWait.
  plan.MaxPWait = steps.MaxPWait;
  plan.MinutesOverLimit = steps.MinutesOverLimit;
  if (settings.FirstObjectiveIndex >= 0 && settings.FirstObjectiveIndex <= 2)
    plan.Objective1 = ObjectiveValue(plan, settings.FirstObjectiveIndex);
  plan.Objective2 = ObjectiveValue(plan, settings.SecondObjectiveIndex);
  plan.StatesUsed = model.inputs.MaxStates;
}

}  // namespace

bool PassesCapacityTest(const Model& model) {
  const PeriodCounts& onDuty = model.staffing.OnDutyByPeriod[OnDutyTotal];
  const std::int64_t served = std::accumulate(onDuty.begin(), onDuty.end(), std::int64_t{0});
  return served * model.inputs.ServiceRate > model.inputs.MeanDemand * kPeriods;
}

bool evaluate_chromosome(Model& model, const GASettings& settings, std::int32_t gaStates,
                         GASolution& plan, UserInterface& ui) {
  // 1.-2. Install the plan; one whose counts overflow is infeasible.
  if (InstallStarts(model, plan)) return false;
  // 3. Start from the state bound the carried-over plans needed.
  model.inputs.MaxStates = std::max(gaStates, kLeastStates);
  // 5. Outside a run only.
  if (model.flags.InteractiveMode)
    ui.message(MessageKind::Information,
               "MaxServers = " + std::to_string(model.staffing.MaxServersOnDuty));
  // 6. Hopeless plans never reach the engine; nor do plans the engine cannot hold
  // (more servers on duty than the state space has room for).
  if (!PassesCapacityTest(model) || SolverRefusal(model)) return false;
  // 7. Steady state, then the time-dependent solver with its day measures.
  if (!ComputeSteadyState(model, ui) || !ComputeTimeDependent(model, ui)) return false;
  // 8.-11.
  FillValues(model, settings, plan);
  return true;
}

bool EvaluateInRun(GAContext& context, GASolution& plan) {
  const bool feasible = evaluate_chromosome(context.model, context.settings, context.state.GAStates,
                                            plan, context.ui);
  if (feasible) ++context.state.Evaluations;
  return feasible;
}

}  // namespace morvane
