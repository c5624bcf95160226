// Sorting a population into non-inferior, supported and inferior plans for two
// objectives X = Objective1 and Y = Objective2 (both minimised), with each
// plan's distance to the non-inferior set, which ranks plans in a
// two-objective run.
#pragma once

#include <cstdint>
#include <vector>

#include "optimiser/ga_solution.h"

namespace morvane {

// The summary figures a two-objective run compares between generations.
struct TradeoffFigures {
  std::int32_t NonInferiorCount = 0;  // supported ones included
  std::int32_t SupportedCount = 0;
  Real NonInferiorArea = 0;  // sum of X * Y over the non-inferior members
};

// Writes TradeoffDistance, NonInferior and Supported into members 1..n and
// returns the figures. Values are compared exactly.
TradeoffFigures ClassifyTradeoff(Population& population, std::int32_t n);

// The first `count` members by ascending TradeoffDistance (non-inferior first).
std::vector<std::int32_t> NearestToTradeoff(const Population& population, std::int32_t n,
                                            std::int32_t count);

}  // namespace morvane
