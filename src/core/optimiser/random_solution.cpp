#include "optimiser/random_solution.h"

#include "optimiser/evaluation.h"

namespace morvane {
namespace {

// 1. Values, counts and starts back to zero; the tradeoff fields stay.
void Clear(GASolution& plan) {
  plan.PersonHours = 0;
  plan.StatesUsed = 0;
  plan.NumFullTime = 0;
  plan.NumPartTime = 0;
  plan.Objective1 = 0;
  plan.MinutesOverLimit = 0;
  plan.MinutesBelowServiceTarget = 0;
  plan.Abandonment = 0;
  plan.MaxPWait = 0;
  plan.Objective2 = 0;
  plan.TotalCost = 0;
  plan.LaborCost = 0;
  plan.Improved = false;
  plan.FullTimeStarts.fill(0);
  plan.PartTimeStarts.fill(0);
}

// 2. Add employees while another part-timer fits under MaxCost.
void Grow(const Model& model, const GASettings& settings, RandomGenerator& random,
          GASolution& plan) {
  const Real ftCost = model.inputs.FullTimeCost;
  const Real ptCost = model.inputs.PartTimeCost;
  const Real maxCost = settings.MaxCost;
  const std::int32_t interval = settings.StartInterval;
  while (plan.NumFullTime * ftCost + plan.NumPartTime * ptCost <= maxCost - ptCost &&
         plan.NumFullTime + plan.NumPartTime < kMaxEmployeesPerPlan) {
    const std::int32_t p = random.Random(kPeriods / interval) * interval;
    const Real u = random.RandomReal();
    if (u <= settings.FullTimeBias &&
        (plan.NumFullTime + 1) * ftCost + plan.NumPartTime * ptCost <= maxCost + 0.0001L) {
      ++plan.FullTimeStarts[p];
      ++plan.NumFullTime;
    } else {
      ++plan.PartTimeStarts[p];
      ++plan.NumPartTime;
    }
  }
}

}  // namespace

bool MakeRandomPlan(const Model& model, const GASettings& settings, RandomGenerator& random,
                    GASolution& plan, const std::function<bool(GASolution&)>& accept) {
  for (std::int32_t tries = 0; tries < kMaxRandomPlanTries; ++tries) {
    Clear(plan);
    Grow(model, settings, random, plan);
    plan.Origin = PlanOrigin::Random;
    if (accept(plan)) return true;
  }
  return false;
}

bool generate_random_solution(GAContext& context, GASolution& plan) {
  return MakeRandomPlan(context.model, context.settings, context.state.random, plan,
                        [&](GASolution& made) { return EvaluateInRun(context, made); });
}

std::string NoFeasiblePlanMessage(const GASettings& settings, const NumberLocale& locale) {
  return "No random plan within the maximum cost of " +
         CurrencyText(settings.MaxCost, 12, 2, locale) + " passed the capacity test in " +
         std::to_string(kMaxRandomPlanTries) +
         " tries.\rRaise the maximum cost, or check the duty schedules and costs.";
}

}  // namespace morvane
