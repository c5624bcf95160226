#include "optimiser/generation_forecast.h"

#include <algorithm>

#include "optimiser/generation_step.h"
#include "optimiser/random_solution.h"

namespace morvane {

std::int32_t ForeseeableImports(const GASettings& settings, std::int32_t generation) {
  if (settings.twoObjectives() || settings.ImproveBest || generation > settings.MaxGenerations ||
      settings.PopulationSize < 2)
    return 0;
  return std::max(0, ImportBlock(settings));
}

void GenerationForecast::layOut(std::int32_t lastRandomSlot, std::int32_t firstChildSlot) {
  lastRandomSlot_ = lastRandomSlot;
  firstChildSlot_ = firstChildSlot;
}

void GenerationForecast::restart() {
  const GAState& state = c_.state;
  random_ = state.random;
  randomLeft_ = std::max(0, lastRandomSlot_ - slot_);
  childrenLeft_ = c_.settings.PopulationSize - std::max(slot_, firstChildSlot_ - 1);
  nextImportsLeft_ =
      state.StopRequested ? 0 : ForeseeableImports(c_.settings, state.GenerationCount + 1);
  filling_.clear();
}

bool GenerationForecast::next(const EngineTest& reaches) {
  GASolution plan;
  if (randomLeft_ > 0 || childrenLeft_ > 0) {
    const bool random = randomLeft_ > 0;
    if (!(random ? randomPlan(reaches, plan) : child(reaches, plan))) return false;
    takeSlot(plan, random ? randomLeft_ : childrenLeft_);
    return true;
  }
  if (nextImportsLeft_ <= 0) return false;
  --nextImportsLeft_;
  return randomPlan(reaches, plan);
}

bool GenerationForecast::randomPlan(const EngineTest& reaches, GASolution& plan) {
  return MakeRandomPlan(c_.model, c_.settings, random_, plan,
                        [&](GASolution& made) { return reaches(made); });
}

bool GenerationForecast::child(const EngineTest& reaches, GASolution& plan) {
  for (int attempt = 0; attempt < kMaxSlotAttempts; ++attempt) {
    BreedChild(roulette_, c_.state.population, c_.model, c_.settings, random_, plan);
    if (reaches(plan)) return true;
  }
  return false;
}

// One slot fewer is left unless the plan has the starts of a member made
// before it in this step or of a plan foreseen to fill a slot before it: under
// one state bound and time step equal starts give equal values, so
// IsUniquePlan will have the slot made again.
void GenerationForecast::takeSlot(const GASolution& plan, std::int32_t& slotsLeft) {
  const auto same = [&](const GASolution& other) {
    return other.FullTimeStarts == plan.FullTimeStarts &&
           other.PartTimeStarts == plan.PartTimeStarts;
  };
  const Population& made = c_.state.nextPopulation;
  if (std::any_of(&made[1], &made[slot_] + 1, same) ||
      std::any_of(filling_.begin(), filling_.end(), same))
    return;
  filling_.push_back(plan);
  --slotsLeft;
}

}  // namespace morvane
