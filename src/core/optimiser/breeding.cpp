#include "optimiser/breeding.h"

#include <algorithm>
#include <numeric>

namespace morvane {
namespace {

std::int32_t Sum(const PeriodCounts& starts) {
  return std::accumulate(starts.begin(), starts.end(), std::int32_t{0});
}

// Removes the r-th employee counted over the periods from 0 upward.
void RemoveNth(PeriodCounts& starts, std::int32_t r) {
  std::int32_t running = 0;
  for (std::int32_t& count : starts) {
    running += count;
    if (running >= r) {
      --count;
      return;
    }
  }
}

std::int32_t EvenMother(std::int32_t members, std::int32_t father, RandomGenerator& random) {
  const std::int32_t other = random.Random(members - 1) + 1;
  return other >= father ? other + 1 : other;
}

}  // namespace

Roulette MakeRoulette(const ExtendedKeys& keys, std::int32_t members, Real bestKey, Real worstKey) {
  Roulette roulette;
  roulette.members = members;
  Real keySum = 0;
  for (std::int32_t i = 1; i <= members; ++i) {
    roulette.fitness[i] = 2 * worstKey - keys[i] - bestKey;
    keySum += keys[i];
  }
  roulette.total = members * 2 * worstKey - keySum - members * bestKey;
  return roulette;
}

std::int32_t SelectParent(const Roulette& roulette, Real x) {
  Real c = roulette.fitness[1];
  std::int32_t i = 1;
  while (c < x && i < roulette.members) {
    ++i;
    c += roulette.fitness[i];
  }
  return std::min(i, roulette.members);
}

Parents ChooseParents(const Roulette& roulette, RandomGenerator& random) {
  Parents parents;
  parents.father = SelectParent(roulette, random.RandomReal() * roulette.total);
  if (roulette.total > 0)
    for (int draw = 0; draw < kMotherDraws; ++draw) {
      parents.mother = SelectParent(roulette, random.RandomReal() * roulette.total);
      if (parents.mother != parents.father) return parents;
    }
  parents.mother = EvenMother(roulette.members, parents.father, random);
  parents.drawnEvenly = true;
  return parents;
}

void CrossOver(const GASolution& mother, const GASolution& father, GASolution& child,
               RandomGenerator& random) {
  std::int32_t k = 0;
  while (k == 0) k = random.Random(kPeriods);
  child.PartTimeStarts = mother.PartTimeStarts;
  for (std::int32_t p = 0; p < kPeriods; ++p)
    child.FullTimeStarts[p] = p <= k ? mother.FullTimeStarts[p] : father.FullTimeStarts[p];
}

void RepairToMaxCost(GASolution& plan, Real fullTimeCost, Real partTimeCost, Real maxCost,
                     RandomGenerator& random) {
  plan.NumFullTime = Sum(plan.FullTimeStarts);
  plan.NumPartTime = Sum(plan.PartTimeStarts);
  // An empty plan costs nothing, so the loop ends even for a maximum cost below 0.
  while (plan.NumPartTime * partTimeCost + plan.NumFullTime * fullTimeCost > maxCost &&
         plan.NumFullTime + plan.NumPartTime > 0) {
    const std::int32_t r = random.Random(plan.NumFullTime + plan.NumPartTime) + 1;
    if (r <= plan.NumFullTime) {
      RemoveNth(plan.FullTimeStarts, r);
      --plan.NumFullTime;
    } else {
      RemoveNth(plan.PartTimeStarts, r - plan.NumFullTime);
      --plan.NumPartTime;
    }
  }
}

Parents BreedChild(const Roulette& roulette, const Population& population, const Model& model,
                   const GASettings& settings, RandomGenerator& random, GASolution& child) {
  const Parents parents = ChooseParents(roulette, random);
  CrossOver(population[parents.mother], population[parents.father], child, random);
  RepairToMaxCost(child, model.inputs.FullTimeCost, model.inputs.PartTimeCost, settings.MaxCost,
                  random);
  return parents;
}

}  // namespace morvane
