// Making a crossover child: roulette-wheel choice of two different parents by
// fitness, a one-cut crossover of their start arrays, and the cut back of the
// child to the maximum labour cost by removing random employees.
#pragma once

#include <array>
#include <cstdint>

#include "optimiser/ga_solution.h"
#include "optimiser/quick_sort.h"
#include "optimiser/random_generator.h"

namespace morvane {

// Fitness of member i from its ranking key: 2 * WorstKey - key(i) - BestKey,
// WorstKey - BestKey for the worst member and twice that for the best.
struct Roulette {
  std::array<Real, kPopulationSlots> fitness{};
  std::int32_t members = 0;  // members 1..members take part
  Real total = 0;            // T = n * 2 * WorstKey - sum of keys - n * BestKey
};

Roulette MakeRoulette(const ExtendedKeys& keys, std::int32_t members, Real bestKey, Real worstKey);

// The member whose running fitness sum first reaches x (member 1 for x <= fitness(1),
// the last member for x at or above the total).
std::int32_t SelectParent(const Roulette& roulette, Real x);

struct Parents {
  std::int32_t mother = 0;
  std::int32_t father = 0;
  bool drawnEvenly = false;  // the roulette could not tell members apart
};

// Father, then mothers until one differs, both by u * T. When T is not above 0
// (all keys equal) or kMotherDraws roulette draws gave the father again, the
// mother is drawn with equal chances among the other members instead.
inline constexpr int kMotherDraws = 1000;
Parents ChooseParents(const Roulette& roulette, RandomGenerator& random);

// Child: the mother's part-time starts, and her full-time starts up to and
// including a random cut k in 1..95, the father's after it. Other fields stay.
void CrossOver(const GASolution& mother, const GASolution& father, GASolution& child,
               RandomGenerator& random);

// Counts the employees, then removes random ones (every employee equally
// likely, full-timers numbered first) until the labour cost is within maxCost.
void RepairToMaxCost(GASolution& plan, Real fullTimeCost, Real partTimeCost, Real maxCost,
                     RandomGenerator& random);

// The draws of one attempt at a crossover slot: parents from `population`,
// crossover into `child` and the repair to settings.MaxCost with the model's
// costs. Returns the parents.
Parents BreedChild(const Roulette& roulette, const Population& population, const Model& model,
                   const GASettings& settings, RandomGenerator& random, GASolution& child);

}  // namespace morvane
