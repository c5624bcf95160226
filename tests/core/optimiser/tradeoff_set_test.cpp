// The tradeoff classification and chart on hand-made populations.
#include "optimiser/tradeoff_set.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "optimiser/tradeoff_chart.h"
#include "ga_scenario.h"

namespace morvane {
namespace {

using testing::GAScenario;

// Members 1..n at the given (Objective1, Objective2) points.
void Place(Population& population, const std::vector<std::pair<Real, Real>>& points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    population[i + 1].Objective1 = points[i].first;
    population[i + 1].Objective2 = points[i].second;
  }
}

struct Classified {
  TradeoffFigures figures;
  std::vector<bool> nonInferior, supported;
  std::vector<Real> distance;
};

Classified Classify(const std::vector<std::pair<Real, Real>>& points) {
  auto population = std::make_unique<Population>();
  Place(*population, points);
  Classified c;
  const auto n = static_cast<std::int32_t>(points.size());
  c.figures = ClassifyTradeoff(*population, n);
  for (std::int32_t m = 1; m <= n; ++m) {
    c.nonInferior.push_back((*population)[m].NonInferior);
    c.supported.push_back((*population)[m].Supported);
    c.distance.push_back((*population)[m].TradeoffDistance);
  }
  return c;
}

TEST(TradeoffSet, OneMemberIsNonInferiorAndSupported) {
  GAScenario s;
  s.settings.PopulationSize = 1;
  s.settings.SecondObjectiveIndex = 2;
  Place(s.state->population, {{5, 6}});
  ShowMOGraph(s.context, s.state->population, 0);
  EXPECT_EQ(s.state->tradeoff.NonInferiorCount, 1);
  EXPECT_EQ(s.state->tradeoff.SupportedCount, 1);
  EXPECT_EQ(s.state->population[1].TradeoffDistance, 0);
  const TradeoffChart& chart = s.observer.charts.at(0);
  EXPECT_EQ(chart.TitleLine1, "Tradeoff Curve (Gen/no change = 0/0)");
  EXPECT_EQ(chart.TitleLine2, "# Supported/NonInferior = 1 / 0");
  EXPECT_EQ(chart.Supported.size(), 1u);
  EXPECT_EQ(chart.BottomTitle, "Total Cost");
  EXPECT_EQ(chart.LeftTitle, "Time P(wait) > 0.200");
  // The newer objectives name their units.
  EXPECT_EQ(TradeoffAxisTitle(kObjectiveService, 0.2L, kFixedLocale), "Minutes below service target");
  EXPECT_EQ(TradeoffAxisTitle(kObjectiveLabour, 0.2L, kFixedLocale), "Labour cost, service target met ($)");
}

TEST(TradeoffSet, TwoPointsOrThreeOnALineAreAllSupported) {
  const Classified two = Classify({{1, 1}, {2, 0.5L}});
  EXPECT_EQ(two.figures.SupportedCount, 2);
  const Classified line = Classify({{3, 1}, {1, 3}, {2, 2}});
  EXPECT_EQ(line.figures.NonInferiorCount, 3);
  EXPECT_EQ(line.figures.SupportedCount, 3);
}

TEST(TradeoffSet, AMiddlePointAboveTheHullIsOnlyNonInferior) {
  const Classified c = Classify({{1, 4}, {2, 3.5L}, {3, 1}});
  EXPECT_EQ(c.nonInferior, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(c.supported, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(c.figures.SupportedCount, 2);
}

TEST(TradeoffSet, EqualValuesAndDominatedMembers) {
  // Equal X: only the smaller Y; equal X and Y: only one, the other at distance 0;
  // the same Y with a larger X is inferior (the test is strictly less).
  const Classified c = Classify({{1, 5}, {1, 4}, {1, 4}, {2, 4}, {4, 0}});
  EXPECT_FALSE(c.nonInferior[0]);
  EXPECT_NE(c.nonInferior[1], c.nonInferior[2]);  // which one follows the sort order
  EXPECT_FALSE(c.nonInferior[3]);
  EXPECT_TRUE(c.nonInferior[4]);
  EXPECT_EQ(c.distance[0], 1);
  EXPECT_EQ(c.distance[1] + c.distance[2], 0);
  EXPECT_EQ(c.distance[3], 1);
  EXPECT_EQ(c.figures.NonInferiorCount, 2);
}

TEST(TradeoffSet, AreaIsTheSumOfProducts) {
  const Classified c = Classify({{1, 4}, {2, 3}, {3, 5}});
  EXPECT_EQ(c.figures.NonInferiorArea, 10);
  EXPECT_EQ(c.distance[2], std::sqrt(5.0L));
}

TEST(TradeoffSet, CarryOverAndRandomSeriesAndBitmapNames) {
  GAScenario s;
  s.settings.SecondObjectiveIndex = 1;
  Place(s.state->population, {{1, 4}, {2, 3}, {3, 5}, {9, 9}, {2.5L, 3.2L}});
  s.state->population[4].Origin = PlanOrigin::Random;
  ShowMOGraph(s.context, s.state->population, 3);
  const TradeoffChart& chart = s.observer.charts.at(0);
  ASSERT_EQ(chart.CarryOver.size(), 3u);
  EXPECT_EQ(chart.CarryOver[2].member, 5);  // nearest of the inferior ones
  ASSERT_EQ(chart.Random.size(), 1u);
  EXPECT_EQ(chart.Random[0].member, 4);
  EXPECT_EQ(chart.Inferior.size(), 3u);
}

TEST(TradeoffSet, AClickFindsThePlanOrSaysItIsGone) {
  auto population = std::make_unique<Population>();
  Place(*population, {{2000.5L, 0.25L}});
  (*population)[1].FullTimeStarts[3] = 14;
  (*population)[1].PartTimeStarts[7] = 2;
  (*population)[1].NonInferior = true;
  GASettings settings;
  settings.SecondObjectiveIndex = 1;
  const TradeoffClick found = MultiObjectiveChartClickSeries(*population, 1, 2000.50005, 0.25,
                                                             settings, 0.2L, kFixedLocale);
  EXPECT_EQ(found.member, 1);
  EXPECT_EQ(found.text,
            "Total cost = $2,000.500\rMax P(Wait) = 0.250\rNonInferior\r14 Full time and 2 Part "
            "time employees used\r\rDo you want to make this the CURRENT solution?");
  settings.SecondObjectiveIndex = 3;
  const TradeoffClick gone =
      MultiObjectiveChartClickSeries(*population, 1, 2000.6, 0.25, settings, 0.2L, kFixedLocale);
  EXPECT_FALSE(gone.member);
  EXPECT_EQ(gone.text, "Error...Unable to find solution\rTotal cost = $2,000.600\r");
}

}  // namespace
}  // namespace morvane
