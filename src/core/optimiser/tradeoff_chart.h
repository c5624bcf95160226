// The tradeoff chart of a two-objective run as data: its five point series, axis
// titles and two-line title (ShowMOGraph), and the choice of a plan by a click
// on one of its points (MultiObjectiveChartClickSeries).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "optimiser/ga_settings.h"
#include "optimiser/ga_solution.h"
#include "optimiser/tradeoff_set.h"

namespace morvane {

struct GAContext;

struct TradeoffPoint {
  double x = 0;  // Objective1
  double y = 0;  // Objective2
  std::int32_t member = 0;
};

// The series in drawing and legend order, the axis titles (none: leave the title
// as it is) and the title's two lines.
struct TradeoffChart {
  std::vector<TradeoffPoint> Inferior, CarryOver, NonInferior, Supported, Random;
  std::optional<std::string> BottomTitle, LeftTitle;
  std::string TitleLine1, TitleLine2;
  std::int32_t Generation = 0;
};

// Classifies members 1..PopulationSize of `population` (ClassifyTradeoff), keeps
// the figures in the run state, and hands the chart to the observer. With
// carryOverCount > 0 the "CarryOver" series gets that many members nearest to the
// non-inferior set.
void ShowMOGraph(GAContext& context, Population& population, std::int32_t carryOverCount);

// The axis title of objective `item`; nothing for 3 ("None").
std::optional<std::string> TradeoffAxisTitle(std::int32_t item, Real criticalPWait,
                                             const NumberLocale& locale);

// A click on a point at (x, y): the first member within 0.0001 in both values
// and the text of the box to show: the information box "Error...Unable to find
// solution" when there is none, else the question whether to make it the current plan.
struct TradeoffClick {
  std::optional<std::int32_t> member;
  std::string text;
};
TradeoffClick MultiObjectiveChartClickSeries(const Population& population,
                                             std::int32_t populationSize, double x, double y,
                                             const GASettings& settings, Real criticalPWait,
                                             const NumberLocale& locale);

}  // namespace morvane
