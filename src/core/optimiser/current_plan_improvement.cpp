#include "optimiser/current_plan_improvement.h"

#include <algorithm>

#include "optimiser/evaluation.h"
#include "optimiser/local_improvement.h"
#include "optimiser/plan_install.h"
#include "staffing/schedule_plan.h"
#include "engine/steady_state.h"
#include "engine/arrival_rate.h"

namespace morvane {
namespace {

const std::string kCapacityRefusal =
    "The current plan cannot be improved: over the day its servers on duty cannot serve the "
    "mean demand, so it has no cost or waiting to improve on.\rAdd employees in the staffing "
    "window (or run the GA) first.";
const std::string kEngineRefusal =
    "The current plan cannot be improved: the queue engine could not compute it.";

// 3. The plan in StartTimes with the counts of its last computation.
GASolution CurrentPlan(const Model& model) {
  GASolution plan;
  plan.FullTimeStarts = model.staffing.StartTimes[FullTime];
  plan.PartTimeStarts = model.staffing.StartTimes[PartTime];
  plan.NumFullTime = static_cast<std::int32_t>(model.staffing.FullTimeCount);
  plan.NumPartTime = static_cast<std::int32_t>(model.staffing.PartTimeCount);
  plan.Improved = false;
  return plan;
}

void InteractiveFlags(ModeFlags& flags, bool on) {
  flags.InteractiveMode = on;
  flags.DrawCharts = on;
  flags.ShowWarnings = on;
}

std::optional<GASolution> Improve(GAContext& context, const std::function<void()>& improving) {
  Model& model = context.model;
  GASettings& settings = context.settings;
  GAState& state = context.state;
  if (auto refusal = CurrentPlanRefusal(model)) {
    context.ui.message(MessageKind::Warning, *refusal);
    return std::nullopt;
  }
  // 1.-4.
  state.FullTimeCheaper = FullTimeCheaper(model);
  const bool allowSwap = settings.AllowSwap;
  const GASolution member1 = state.population[1];
  GASolution plan = CurrentPlan(model);
  if (model.staffing.PartTimeCount >= 2 && state.FullTimeCheaper)
    settings.AllowSwap = context.ui.ask(kSwapQuestion);
  // 5. DrawCharts and ShowWarnings keep their values for this evaluation.
  model.flags.InteractiveMode = false;
  if (!EvaluateInRun(context, plan)) {
    settings.AllowSwap = allowSwap;
    InteractiveFlags(model.flags, true);
    context.ui.message(MessageKind::Warning, kEngineRefusal);
    return std::nullopt;
  }
  // 6.-8. A population of one, the plan's own cost within MaxCost.
  state.population[1] = plan;
  const std::int32_t populationSize = settings.PopulationSize;
  settings.PopulationSize = 1;
  InteractiveFlags(model.flags, false);
  state.StopRequested = false;
  const ScenarioInputs& in = model.inputs;
  settings.MaxCost =
      std::max(4 * in.FullTimeCost * MeanArrivalRate(in) / in.ServiceRate, model.staffing.LaborCost);
  // 9.-11.
  improving();
  DoImprovements(context, 1, state.population);
  const GASolution improved = state.population[1];
  state.population[1] = member1;
  settings.PopulationSize = populationSize;
  // 12.-14.
  InstallStarts(model, improved);
  model.steps.TotalPersonHours = improved.PersonHours;
  model.flags.InteractiveMode = true;
  model.flags.DrawCharts = true;
  settings.AllowSwap = allowSwap;
  return improved;
}

}  // namespace

std::optional<std::string> CurrentPlanRefusal(Model& model) {
  if (auto refusal = ScheduleGridExit(model)) return refusal;
  if (auto refusal = ComputationRefusal(model)) return refusal;
  if (!PassesCapacityTest(model)) return kCapacityRefusal;
  return std::nullopt;
}

std::optional<GASolution> ImproveCurrentPlan(GAContext& context,
                                             const std::function<void()>& improving) {
  std::optional<GASolution> improved = Improve(context, improving);
  context.state.lookahead.release();
  return improved;
}

}  // namespace morvane
