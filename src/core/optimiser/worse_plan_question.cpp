#include "optimiser/worse_plan_question.h"

#include <numeric>

namespace morvane {
namespace {

// What the plan scores by objective `item`, as the end of "The plan ... ".
std::string Scored(const GASolution& plan, std::int32_t item, Real criticalPWait,
                   const NumberLocale& locale) {
  const std::string belowTarget =
      NumberText(plan.MinutesBelowServiceTarget, 7, 1, locale) + " minutes below the service target";
  switch (item) {
    case 0:
      return "costs " + CurrencyText(plan.TotalCost, 15, 2, locale);
    case 1:
      return "has a maximum P(wait) of " + NumberText(plan.MaxPWait, 6, 4, locale);
    case kObjectiveService:
      return "has " + belowTarget;
    case kObjectiveAbandon:
      return "loses " + NumberText(100 * plan.Abandonment, 7, 2, locale) +
             " % of its callers, who hang up";
    case kObjectiveLabour:
      return "costs " + CurrencyText(plan.LaborCost, 15, 2, locale) +
             (plan.MinutesBelowServiceTarget > 0 ? " with " + belowTarget : "");
    default:
      return "has " + NumberText(plan.MinutesOverLimit, 7, 1, locale) +
             " minutes with P(wait) over " + NumberText(criticalPWait, 5, 3, locale);
  }
}

std::int32_t Employees(const PeriodCounts& starts) {
  return std::accumulate(starts.begin(), starts.end(), std::int32_t{0});
}

}  // namespace

GASolution PlanInForce(const Model& model) {
  GASolution plan;
  plan.FullTimeStarts = model.staffing.StartTimes[FullTime];
  plan.PartTimeStarts = model.staffing.StartTimes[PartTime];
  plan.NumFullTime = Employees(plan.FullTimeStarts);
  plan.NumPartTime = Employees(plan.PartTimeStarts);
  return plan;
}

std::string WorsePlanQuestion(const GASolution& best, const GASolution& inForce,
                              const GASettings& settings, Real criticalPWait,
                              const NumberLocale& locale) {
  const std::int32_t item = settings.FirstObjectiveIndex;
  return "The best plan of this run " + Scored(best, item, criticalPWait, locale) +
         "; the plan in force " + Scored(inForce, item, criticalPWait, locale) + ". Install it?";
}

}  // namespace morvane
