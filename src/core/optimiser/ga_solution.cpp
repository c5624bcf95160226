#include "optimiser/ga_solution.h"

namespace morvane {
namespace {

std::string ObjectivePart(const GASolution& plan, std::int32_t item, const NumberLocale& locale) {
  switch (item) {
    case 0:
      return CurrencyText(plan.TotalCost, 15, 2, locale);
    case 1:
      return NumberText(plan.MaxPWait, 6, 4, locale);
    case kObjectiveService:
      return NumberText(plan.MinutesBelowServiceTarget, 7, 1, locale);
    case kObjectiveAbandon:
      return NumberText(100 * plan.Abandonment, 7, 2, locale) + " %";
    case kObjectiveLabour:
      return CurrencyText(plan.LaborCost, 15, 2, locale) +
             (plan.MinutesBelowServiceTarget > 0
                  ? " (" + NumberText(plan.MinutesBelowServiceTarget, 7, 1, locale) +
                        " min below target)"
                  : "");
    default:
      return NumberText(plan.MinutesOverLimit, 7, 1, locale);
  }
}

}  // namespace

const char* OriginText(PlanOrigin origin) {
  switch (origin) {
    case PlanOrigin::Random:
      return "Random";
    case PlanOrigin::Carry:
      return "Carry";
    case PlanOrigin::Cross:
      return "Cross";
    default:
      return "";
  }
}

BestMember BestOfPopulation(const Population& population, std::int32_t populationSize) {
  BestMember best;
  for (std::int32_t i = 1; i <= populationSize; ++i)
    if (population[i].Objective1 < best.value) best = {population[i].Objective1, i};
  return best;
}

bool IsUniquePlan(std::int32_t n, const Population& population, const GASolution& plan) {
  for (std::int32_t i = 1; i < n; ++i) {
    const GASolution& member = population[i];
    if (member.Objective1 == plan.Objective1 && member.FullTimeStarts == plan.FullTimeStarts &&
        member.PartTimeStarts == plan.PartTimeStarts)
      return false;
  }
  return true;
}

Real UnmetTargetValue(Real maxCost, Real minutesBelowTarget) {
  return maxCost + 1 + minutesBelowTarget;
}

Real ObjectiveValue(const GASolution& plan, std::int32_t item, Real maxCost) {
  switch (item) {
    case 0:
      return plan.TotalCost;
    case 1:
      return plan.MaxPWait;
    case 2:
      return plan.MinutesOverLimit;
    case kObjectiveService:
      return plan.MinutesBelowServiceTarget;
    case kObjectiveAbandon:
      return plan.Abandonment;
    case kObjectiveLabour:
      return plan.MinutesBelowServiceTarget > 0
                 ? UnmetTargetValue(maxCost, plan.MinutesBelowServiceTarget)
                 : plan.LaborCost;
    default:
      return 0;
  }
}

std::string ObjectiveText(const GASolution& plan, const GASettings& settings,
                          const NumberLocale& locale) {
  std::string text = ObjectivePart(plan, settings.FirstObjectiveIndex, locale);
  if (settings.twoObjectives())
    text += " / " + ObjectivePart(plan, settings.SecondObjectiveIndex, locale);
  return text;
}

std::string HoursText(const GASolution& plan, int precision, const NumberLocale& locale) {
  return "   HRS Full/Part = " + NumberText(plan.PersonHours, precision, 5, locale) + "   " +
         std::to_string(plan.NumFullTime) + "/" + std::to_string(plan.NumPartTime);
}

}  // namespace morvane
