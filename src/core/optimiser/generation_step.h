// One generation of the GA: NextPopulation is filled from Population in three
// blocks, the best plans carried over, random plans imported and crossover
// children of roulette-chosen parents, each child cut back to MaxCost,
// evaluated and remade while it is infeasible or a duplicate.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "optimiser/ga_state.h"

namespace morvane {

// Attempts at one slot (a random plan that keeps duplicating others, or a child
// that keeps being infeasible or a duplicate) after which the step gives up.
inline constexpr int kMaxSlotAttempts = 200;

// The random plans a one-objective step imports: NumberToImport, within the
// population arrays after the carried-over plans.
std::int32_t ImportBlock(const GASettings& settings);

// The block sizes of a two-objective step: twice the most non-inferior plans
// seen in the run are carried over, and the population grows to make room.
struct BlockSizes {
  std::int32_t carryOver = 0;
  std::int32_t import = 0;
  std::int32_t populationSize = 0;
  std::int32_t maxOnTradeoff = 0;
};
BlockSizes TwoObjectiveBlocks(std::int32_t nonInferior, std::int32_t maxOnTradeoff,
                              std::int32_t importPerGeneration, std::int32_t crossoverPerGeneration,
                              std::int32_t populationSize);

// Generate_new_generation: fills state.nextPopulation members 1..PopulationSize
// (PopulationSize may grow with two objectives) and reports every plan.
// Returns a message when a slot could not be filled: the step then stops and
// Population is untouched.
std::optional<std::string> Generate_new_generation(GAContext& context, Real bestGoingIn);

}  // namespace morvane
