#include "optimiser/tradeoff_chart.h"

#include <cmath>
#include <numeric>

#include "optimiser/ga_state.h"

namespace morvane {
namespace {

TradeoffPoint PointOf(const Population& population, std::int32_t m) {
  return {static_cast<double>(population[m].Objective1),
          static_cast<double>(population[m].Objective2), m};
}

// 8. and 11. The series of the classified members, each in member order.
void FillSeries(const Population& population, std::int32_t n, TradeoffChart& chart) {
  for (std::int32_t m = 1; m <= n; ++m) {
    const GASolution& member = population[m];
    if (!member.NonInferior)
      chart.Inferior.push_back(PointOf(population, m));
    else if (!member.Supported)
      chart.NonInferior.push_back(PointOf(population, m));
  }
  for (std::int32_t m = 1; m <= n; ++m)
    if (population[m].Supported) chart.Supported.push_back(PointOf(population, m));
  for (std::int32_t m = 1; m <= n; ++m)
    if (population[m].Origin == PlanOrigin::Random) chart.Random.push_back(PointOf(population, m));
}

// One line of the click box for objective `item` and the clicked value.
std::string ClickLine(std::int32_t item, double value, Real criticalPWait,
                      const NumberLocale& locale) {
  switch (item) {
    case 0:
      return "Total cost = " + CurrencyText(value, 12, 3, locale);
    case 1:
      return "Max P(Wait) = " + NumberText(value, 5, 3, locale);
    case 2:
      return "Time P(Wait)>" + NumberText(criticalPWait, 5, 3, locale) + " = " +
             NumberText(value, 6, 1, locale);
    case kObjectiveService:
      return "Time below SL target = " + NumberText(value, 6, 1, locale);
    case kObjectiveLabour:
      return "Labour cost = " + CurrencyText(value, 12, 3, locale);
    case kObjectiveAbandon:
      return "Abandonment = " + NumberText(100 * value, 7, 2, locale) + " %";
    default:
      return "";
  }
}

const char* StatusOf(const GASolution& plan) {
  if (plan.Supported) return "Supported";
  return plan.NonInferior ? "NonInferior" : "Dominated";
}

std::int32_t Employees(const PeriodCounts& starts) {
  return std::accumulate(starts.begin(), starts.end(), std::int32_t{0});
}

// "$" of "$1,234.00", or the suffix's symbol where the locale writes it after the number.
std::string CurrencySymbol(const NumberLocale& locale) {
  std::string symbol = locale.currencyPrefix.empty() ? locale.currencySuffix : locale.currencyPrefix;
  std::erase(symbol, ' ');
  return symbol;
}

}  // namespace

std::optional<std::string> TradeoffAxisTitle(std::int32_t item, Real criticalPWait,
                                             const NumberLocale& locale) {
  switch (item) {
    case 0:
      return "Total Cost";
    case 1:
      return "Max P(wait)";
    case 2:
      return "Time P(wait) > " + NumberText(criticalPWait, 5, 3, locale);
    case kObjectiveService:
      return "Minutes below service target";
    case kObjectiveLabour:
      return "Labour cost, service target met (" + CurrencySymbol(locale) + ")";
    case kObjectiveAbandon:
      return "Abandonment (share of callers)";
    default:
      return std::nullopt;
  }
}

void ShowMOGraph(GAContext& context, Population& population, std::int32_t carryOverCount) {
  const GASettings& settings = context.settings;
  const GAState& state = context.state;
  const std::int32_t n = settings.PopulationSize;
  TradeoffChart chart;
  chart.Generation = state.GenerationCount;
  chart.BottomTitle =
      TradeoffAxisTitle(settings.FirstObjectiveIndex, context.model.CriticalPWait, context.locale);
  chart.LeftTitle =
      TradeoffAxisTitle(settings.SecondObjectiveIndex, context.model.CriticalPWait, context.locale);
  const TradeoffFigures figures = ClassifyTradeoff(population, n);
  context.state.tradeoff = figures;
  FillSeries(population, n, chart);
  chart.TitleLine1 = "Tradeoff Curve (Gen/no change = " + std::to_string(state.GenerationCount) +
                     "/" + std::to_string(state.GAGenNoChange) + ")";
  chart.TitleLine2 = "# Supported/NonInferior = " + std::to_string(figures.SupportedCount) + " / " +
                     std::to_string(figures.NonInferiorCount - figures.SupportedCount);
  if (carryOverCount > 0)
    for (const std::int32_t m : NearestToTradeoff(population, n, carryOverCount))
      chart.CarryOver.push_back(PointOf(population, m));
  context.observer.tradeoffShown(chart);
}

TradeoffClick MultiObjectiveChartClickSeries(const Population& population,
                                             std::int32_t populationSize, double x, double y,
                                             const GASettings& settings, Real criticalPWait,
                                             const NumberLocale& locale) {
  const std::string line1 = ClickLine(settings.FirstObjectiveIndex, x, criticalPWait, locale);
  const std::string line2 = ClickLine(settings.SecondObjectiveIndex, y, criticalPWait, locale);
  for (std::int32_t m = 1; m <= populationSize; ++m) {
    const GASolution& plan = population[m];
    if (std::fabs(plan.Objective1 - x) > 0.0001L || std::fabs(plan.Objective2 - y) > 0.0001L)
      continue;
    return {m, line1 + "\r" + line2 + "\r" + StatusOf(plan) + "\r" +
                   std::to_string(Employees(plan.FullTimeStarts)) + " Full time and " +
                   std::to_string(Employees(plan.PartTimeStarts)) +
                   " Part time employees used\r\rDo you want to make this the CURRENT solution?"};
  }
  return {std::nullopt, "Error...Unable to find solution\r" + line1 + "\r" + line2};
}

}  // namespace morvane
