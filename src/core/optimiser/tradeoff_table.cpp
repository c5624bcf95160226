#include "optimiser/tradeoff_table.h"

#include <algorithm>
#include <tuple>

#include "base/exact_text.h"
#include "base/replace_file.h"

namespace morvane {
namespace {

bool Before(const GASolution& a, const GASolution& b) {
  return std::tie(a.Objective1, a.Objective2, a.FullTimeStarts, a.PartTimeStarts) <
         std::tie(b.Objective1, b.Objective2, b.FullTimeStarts, b.PartTimeStarts);
}

bool SamePlan(const GASolution& a, const GASolution& b) {
  return a.FullTimeStarts == b.FullTimeStarts && a.PartTimeStarts == b.PartTimeStarts;
}

// "ft_00:00" .. "ft_23:45" after `prefix`.
std::string PeriodColumns(const std::string& prefix) {
  std::string text;
  for (int p = 0; p < kPeriods; ++p) {
    const int hour = p / 4, minute = p % 4 * 15;
    text += "," + prefix + (hour < 10 ? "0" : "") + std::to_string(hour) + ":" +
            (minute ? "" : "0") + std::to_string(minute);
  }
  return text;
}

std::string Counts(const PeriodCounts& counts) {
  std::string text;
  for (const std::int32_t count : counts) {
    text += ',';
    text += std::to_string(count);
  }
  return text;
}

}  // namespace

std::vector<GASolution> NonInferiorMembers(const Population& population, std::int32_t n) {
  std::vector<GASolution> plans;
  for (std::int32_t m = 1; m <= n; ++m)
    if (population[m].NonInferior) plans.push_back(population[m]);
  std::sort(plans.begin(), plans.end(), Before);
  return plans;
}

std::vector<GASolution> NonInferiorPlans(const Population& population, std::int32_t n) {
  std::vector<GASolution> plans = NonInferiorMembers(population, n);
  plans.erase(std::unique(plans.begin(), plans.end(), SamePlan), plans.end());
  return plans;
}

std::string ObjectiveColumn(std::int32_t item) {
  switch (item) {
    case 0:
      return "total_cost";
    case 1:
      return "max_pwait";
    case 2:
      return "minutes_over_limit";
    case kObjectiveService:
      return "minutes_below_service_target";
    case kObjectiveLabour:
      return "labor_cost_target_met";
    case kObjectiveAbandon:
      return "abandonment";
    default:
      return "none";
  }
}

std::string TradeoffTableText(const std::vector<GASolution>& plans, const GASettings& settings) {
  std::string text = ObjectiveColumn(settings.FirstObjectiveIndex) + "," +
                     ObjectiveColumn(settings.SecondObjectiveIndex) + ",full_time,part_time" +
                     PeriodColumns("ft_") + PeriodColumns("pt_") + "\n";
  for (const GASolution& plan : plans)
    text += FullPrecisionText(plan.Objective1) + "," + FullPrecisionText(plan.Objective2) + "," +
            std::to_string(plan.NumFullTime) + "," + std::to_string(plan.NumPartTime) +
            Counts(plan.FullTimeStarts) + Counts(plan.PartTimeStarts) + "\n";
  return text;
}

bool WriteTradeoffTable(const std::string& path, const Population& population,
                        const GASettings& settings, UserInterface& ui) {
  return WriteWholeFile(
      path, TradeoffTableText(NonInferiorPlans(population, settings.PopulationSize), settings), ui);
}

}  // namespace morvane
