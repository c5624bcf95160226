#include "optimiser/evaluation.h"

#include <algorithm>
#include <numeric>

#include "optimiser/ga_state.h"
#include "optimiser/plan_install.h"
#include "engine/arrival_rate.h"
#include "engine/service_level.h"
#include "engine/time_dependent_solver.h"

namespace morvane {
namespace {

inline constexpr std::int32_t kLeastStates = 100;

}  // namespace

void ApplyFigures(const EngineFigures& figures, const GASettings& settings, GASolution& plan) {
  plan.PersonHours = figures.PersonHours;
  plan.TotalCost = figures.TotalCost;
  plan.LaborCost = figures.LaborCost;
  plan.MaxPWait = figures.MaxPWait;
  plan.MinutesOverLimit = figures.MinutesOverLimit;
  plan.MinutesBelowServiceTarget = figures.MinutesBelowServiceTarget;
  plan.Abandonment = figures.Abandonment;
  if (settings.FirstObjectiveIndex >= 0 && settings.FirstObjectiveIndex != kObjectiveNone)
    plan.Objective1 = ObjectiveValue(plan, settings.FirstObjectiveIndex, settings.MaxCost);
  plan.Objective2 = ObjectiveValue(plan, settings.SecondObjectiveIndex);
  plan.StatesUsed = figures.StatesUsed;
}

bool PassesCapacityTest(const Model& model) {
  const PeriodCounts& onDuty = model.staffing.OnDutyByPeriod[OnDutyTotal];
  const std::int64_t served = std::accumulate(onDuty.begin(), onDuty.end(), std::int64_t{0});
  return served * model.inputs.ServiceRate > MeanArrivalRate(model.inputs) * kPeriods;
}

bool InstallForEvaluation(Model& model, std::int32_t gaStates, const GASolution& plan) {
  if (InstallStarts(model, plan)) return false;
  model.inputs.MaxStates = std::max(gaStates, kLeastStates);
  return true;
}

// Plans the engine cannot hold (more servers on duty than the state space has
// room for) are refused like hopeless ones.
bool ReachesEngine(const Model& model) {
  return PassesCapacityTest(model) && !SolverRefusal(model);
}

EvaluationNeeds NeedsOf(const GASettings& settings) {
  const auto reads = [&](std::int32_t item) {
    return settings.FirstObjectiveIndex == item || settings.SecondObjectiveIndex == item;
  };
  return {settings.Evaluation,
          reads(kObjectiveService) || reads(kObjectiveLabour) || reads(kObjectiveAbandon)};
}

std::optional<EngineFigures> TimeDependentFigures(Model& model, UserInterface& ui,
                                                  const EvaluationNeeds& needs) {
  if (!ComputeTimeDependent(model, ui, needs.precision)) return std::nullopt;
  // The day measures of the solver are P(wait) with the day's most servers on
  // duty over steps 0..NumSteps-1, and StepMinutes for every step above CriticalPWait.
  const StepResults& steps = model.steps;
  EngineFigures figures;
  figures.PersonHours = steps.TotalPersonHours;
  figures.LaborCost = model.staffing.LaborCost;
  figures.TotalCost = steps.TotalPersonHours * model.inputs.DelayCost + figures.LaborCost;
  figures.MaxPWait = steps.MaxPWait;
  figures.MinutesOverLimit = steps.MinutesOverLimit;
  if (needs.serviceFigures) {
    const ServiceDay service = TimeDepServiceDay(model);
    figures.MinutesBelowServiceTarget = service.minutesBelowTarget;
    figures.Abandonment = service.abandoned;
  }
  figures.StatesUsed = model.inputs.MaxStates;
  return figures;
}

bool EvaluatePlan(Model& model, const GASettings& settings, std::int32_t gaStates, GASolution& plan,
                  UserInterface& ui, const EngineStep& engine) {
  // 1.-3. Install the plan; one whose counts overflow is infeasible.
  if (!InstallForEvaluation(model, gaStates, plan)) return false;
  // 5. Outside a run only.
  if (model.flags.InteractiveMode)
    ui.message(MessageKind::Information,
               "MaxServers = " + std::to_string(model.staffing.MaxServersOnDuty));
  // 6. Hopeless plans never reach the engine.
  if (!ReachesEngine(model)) return false;
  // 7.
  const std::optional<EngineFigures> figures = engine();
  if (!figures) return false;
  // 8.-11.
  ApplyFigures(*figures, settings, plan);
  return true;
}

bool evaluate_chromosome(Model& model, const GASettings& settings, std::int32_t gaStates,
                         GASolution& plan, UserInterface& ui) {
  return EvaluatePlan(model, settings, gaStates, plan, ui,
                      [&] { return TimeDependentFigures(model, ui, NeedsOf(settings)); });
}

bool EvaluateInRun(GAContext& context, GASolution& plan) {
  const bool feasible =
      EvaluatePlan(context.model, context.settings, context.state.GAStates, plan, context.ui,
                   [&] { return context.state.lookahead.figures(context); });
  if (feasible) ++context.state.Evaluations;
  return feasible;
}

}  // namespace morvane
