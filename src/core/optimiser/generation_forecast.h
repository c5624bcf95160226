// What a generation step evaluates next, foreseen ahead of it with a copy of
// the run's generator: random plans for the random slots still to come,
// children of roulette-chosen parents for the crossover slots, then the next
// step's imports, so that no worker waits while the step's last children are
// scored. A slot is taken to be filled by the first plan made for it whose
// starts are new in the step.
#pragma once

#include <cstdint>
#include <vector>

#include "optimiser/breeding.h"
#include "optimiser/ga_state.h"

namespace morvane {

// The random plans that the step making generation `generation` begins with,
// when they can be foreseen before it starts: with one objective and no hill
// climb between the steps, its import block (drawn right after the plans of
// the step before). None with two objectives (the blocks follow the tradeoff
// set), with "Improve Best?", or beyond MaxGenerations.
std::int32_t ForeseeableImports(const GASettings& settings, std::int32_t generation);

class GenerationForecast : public Forecast {
 public:
  // `roulette` is the step's, over Population.
  GenerationForecast(GAContext& context, const Roulette& roulette)
      : c_(context), roulette_(roulette) {}

  // The step's slots: random plans up to lastRandomSlot, children from firstChildSlot.
  void layOut(std::int32_t lastRandomSlot, std::int32_t firstChildSlot);
  // The slot the step is filling now.
  void fill(std::int32_t slot) { slot_ = slot; }

  void restart() override;
  bool next(const EngineTest& reaches) override;
  bool anyOrder() const override { return true; }

 private:
  bool randomPlan(const EngineTest& reaches, GASolution& plan);
  bool child(const EngineTest& reaches, GASolution& plan);
  void takeSlot(const GASolution& plan, std::int32_t& slotsLeft);

  GAContext& c_;
  const Roulette& roulette_;
  std::int32_t lastRandomSlot_ = 0;
  std::int32_t firstChildSlot_ = 0;
  std::int32_t slot_ = 0;
  // The generator as the plans foreseen left it, and the slots left.
  RandomGenerator random_;
  std::int32_t randomLeft_ = 0;
  std::int32_t childrenLeft_ = 0;
  std::int32_t nextImportsLeft_ = 0;
  std::vector<GASolution> filling_;  // the plans foreseen to fill slots
};

}  // namespace morvane
