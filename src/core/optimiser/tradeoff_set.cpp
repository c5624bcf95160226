#include "optimiser/tradeoff_set.h"

#include <cmath>

#include "optimiser/quick_sort.h"

namespace morvane {
namespace {

inline constexpr Real kFar = 1e30L;

Real X(const Population& population, std::int32_t m) { return population[m].Objective1; }
Real Y(const Population& population, std::int32_t m) { return population[m].Objective2; }

// 5. Sweep by ascending X: a member is non-inferior when its Y is below every Y
// seen so far; among equal X only the least Y (the earliest of equal Y) counts.
// Returns H, the non-inferior members by increasing X and decreasing Y.
std::vector<std::int32_t> SweepNonInferior(Population& population, std::int32_t n,
                                           const SortIndex& o) {
  std::vector<std::int32_t> hull;
  Real bestY = kFar;
  std::int32_t i = 1;
  while (i <= n) {
    if (Y(population, o[i]) >= bestY) {
      ++i;
      continue;
    }
    std::int32_t best = i;
    std::int32_t j = i + 1;
    for (; j <= n && X(population, o[j]) == X(population, o[i]); ++j)
      if (Y(population, o[j]) < Y(population, o[best])) best = j;
    GASolution& w = population[o[best]];
    w.TradeoffDistance = 0;
    w.NonInferior = true;
    bestY = w.Objective2;
    hull.push_back(o[best]);
    i = j;
  }
  return hull;
}

// 6. Euclidean distance, in raw units, to the nearest non-inferior member.
void Distances(Population& population, std::int32_t n, const std::vector<std::int32_t>& hull) {
  for (std::int32_t d = 1; d <= n; ++d) {
    if (population[d].NonInferior) continue;
    Real nearest = kFar;
    for (const std::int32_t w : hull) {
      const Real dx = X(population, d) - X(population, w);
      const Real dy = Y(population, d) - Y(population, w);
      const Real distance = std::sqrt(dx * dx + dy * dy);
      if (distance < nearest) nearest = distance;
    }
    population[d].TradeoffDistance = nearest;
  }
}

// 7. The lower-left convex hull: from each corner, the next corner is the point of
// least slope; ties go to the nearer point, so points on an edge are supported too.
void MarkSupported(Population& population, const std::vector<std::int32_t>& hull) {
  const auto k = static_cast<std::int32_t>(hull.size());
  if (k <= 2) {
    for (const std::int32_t w : hull) population[w].Supported = true;
    return;
  }
  population[hull.front()].Supported = true;
  population[hull.back()].Supported = true;
  std::int32_t c = 0;
  while (c < k - 1) {
    std::int32_t best = c + 1;
    Real minSlope = kFar;
    for (std::int32_t next = c + 1; next < k; ++next) {
      const Real slope = (Y(population, hull[next]) - Y(population, hull[c])) /
                         (X(population, hull[next]) - X(population, hull[c]));
      if (slope < minSlope) {
        minSlope = slope;
        best = next;
      }
    }
    population[hull[best]].Supported = true;
    c = best;
  }
}

// 8. The counts: first the non-inferior members that are not supported, then the
// supported ones, each pass in member order (the order the area is summed in).
TradeoffFigures Count(const Population& population, std::int32_t n) {
  TradeoffFigures figures;
  for (const bool supported : {false, true})
    for (std::int32_t m = 1; m <= n; ++m) {
      const GASolution& member = population[m];
      if (!member.NonInferior || member.Supported != supported) continue;
      ++figures.NonInferiorCount;
      if (supported) ++figures.SupportedCount;
      figures.NonInferiorArea += X(population, m) * Y(population, m);
    }
  return figures;
}

}  // namespace

TradeoffFigures ClassifyTradeoff(Population& population, std::int32_t n) {
  ExtendedKeys keys{};
  for (std::int32_t m = 1; m <= n; ++m) keys[m] = X(population, m);
  const SortIndex o = RankAscending(keys, n);
  for (std::int32_t m = 1; m <= n; ++m) {
    population[m].TradeoffDistance = kFar;
    population[m].Supported = false;
    population[m].NonInferior = false;
  }
  const std::vector<std::int32_t> hull = SweepNonInferior(population, n, o);
  Distances(population, n, hull);
  MarkSupported(population, hull);
  return Count(population, n);
}

std::vector<std::int32_t> NearestToTradeoff(const Population& population, std::int32_t n,
                                            std::int32_t count) {
  ExtendedKeys keys{};
  for (std::int32_t m = 1; m <= n; ++m) keys[m] = population[m].TradeoffDistance;
  const SortIndex o = RankAscending(keys, n);
  std::vector<std::int32_t> nearest;
  for (std::int32_t i = 1; i <= count && i <= n; ++i) nearest.push_back(o[i]);
  return nearest;
}

}  // namespace morvane
