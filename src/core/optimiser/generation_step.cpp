#include "optimiser/generation_step.h"

#include <algorithm>

#include "optimiser/breeding.h"
#include "optimiser/evaluation.h"
#include "optimiser/generation_forecast.h"
#include "optimiser/lookahead.h"
#include "optimiser/random_solution.h"

namespace morvane {
namespace {

using Failure = std::optional<std::string>;

const std::string kDashes48(48, '-');

class GenerationStep {
 public:
  GenerationStep(GAContext& context, Real bestGoingIn)
      : c_(context), s_(context.state), settings_(context.settings), bestGoingIn_(bestGoingIn) {}

  Failure run() {
    report("Best solution going in = " + NumberText(bestGoingIn_, 12, 2, c_.locale));
    report("");
    rank();
    sizeBlocks();
    layOutForesight();
    const Lookahead::Scope foresight(s_.lookahead, foresight_);
    Failure failure = carryOver();
    if (!failure) failure = import();
    if (!failure) failure = crossover();
    // An unfinished step leaves Population the current generation, at its size.
    if (failure) settings_.PopulationSize = ranked_;
    return failure;
  }

 private:
  void report(const std::string& line) { c_.ui.reportLine(line); }
  void plan(const std::string& line) {
    report(line);
    c_.ui.pause(1);
  }
  Real key(std::int32_t i) const {
    const GASolution& member = s_.population[i];
    return settings_.twoObjectives() ? member.TradeoffDistance : member.Objective1;
  }
  std::string head(std::int32_t i, const std::string& value) const {
    return "I = " + std::to_string(i) + "   Val = " + value;
  }
  std::string valueOf(const GASolution& p) const { return ObjectiveText(p, settings_, c_.locale); }
  std::string hours(const GASolution& p) const { return HoursText(p, 12, c_.locale); }

  // 2. Rank the members by key, the smallest first.
  void rank() {
    ranked_ = settings_.PopulationSize;
    for (std::int32_t i = 1; i <= ranked_; ++i) keys_[i] = key(i);
    order_ = RankAscending(keys_, ranked_);
    roulette_ = MakeRoulette(keys_, ranked_, keys_[order_[1]], keys_[order_[ranked_]]);
  }

  // 3. Block sizes; with two objectives they follow the non-inferior plans.
  void sizeBlocks() {
    s_.ActualCarryOver = settings_.NumberToCarryOver;
    // The carried-over and imported slots stay inside the population arrays.
    s_.ActualImport = ImportBlock(settings_);
    if (!settings_.twoObjectives()) return;
    std::int32_t nonInferior = 0;
    for (std::int32_t i = 1; i <= ranked_; ++i)
      if (s_.population[i].TradeoffDistance == 0) ++nonInferior;
    const BlockSizes blocks =
        TwoObjectiveBlocks(nonInferior, s_.MaxOnTradeoff, s_.ImportPerGeneration,
                           s_.CrossoverPerGeneration, settings_.PopulationSize);
    s_.MaxOnTradeoff = blocks.maxOnTradeoff;
    s_.ActualCarryOver = blocks.carryOver;
    s_.ActualImport = blocks.import;
    settings_.PopulationSize = blocks.populationSize;
    report(kDashes48);
    report("GENERATION                  = " + std::to_string(s_.GenerationCount));
    report("Number on Tradeoff          = " + std::to_string(nonInferior));
    report("Actual Number to Carry Over = " + std::to_string(s_.ActualCarryOver));
    report("Actual Number to Import     = " + std::to_string(s_.ActualImport));
    report("Population Size             = " + std::to_string(settings_.PopulationSize));
    report(kDashes48);
  }

  // 4. The best plans unchanged. Slots beyond the ranked members (a grown
  // two-objective population) get fresh random plans instead.
  Failure carryOver() {
    s_.GAStates = 0;
    for (std::int32_t i = 1; i <= s_.ActualCarryOver; ++i) {
      if (i > ranked_) {
        if (Failure failure = importSlot(i)) return failure;
        continue;
      }
      GASolution& copy = s_.nextPopulation[i];
      copy = s_.population[order_[i]];
      copy.Origin = PlanOrigin::Carry;
      s_.GAStates = std::max(s_.GAStates, copy.StatesUsed);
      c_.observer.carryOverPlotted(static_cast<double>(copy.Objective1),
                                   static_cast<double>(copy.Objective2));
      plan(head(i, valueOf(copy)) +
           (copy.TradeoffDistance == 0 ? "   Elite       " : "   CarryOver   ") +
           (copy.Improved ? "IMPROVED" : "NOT IMPROVED") + hours(copy) +
           "   States = " + std::to_string(copy.StatesUsed));
    }
    return std::nullopt;
  }

  bool importing() const { return settings_.PopulationSize >= 2 && s_.ActualImport > 0; }

  // 5. Random plans, duplicates remade silently.
  Failure import() {
    if (!importing()) return std::nullopt;
    for (std::int32_t i = s_.ActualCarryOver + 1; i <= s_.ActualCarryOver + s_.ActualImport; ++i)
      if (Failure failure = importSlot(i)) return failure;
    return std::nullopt;
  }

  Failure importSlot(std::int32_t i) {
    foresight_.fill(i);
    GASolution& slot = s_.nextPopulation[i];
    for (int attempt = 0;; ++attempt) {
      if (attempt == kMaxSlotAttempts)
        return "Every random plan made for slot " + std::to_string(i) + " in " +
               std::to_string(kMaxSlotAttempts) +
               " tries duplicated another plan.\rThe run ends with the last complete generation.";
      if (!generate_random_solution(c_, slot)) return NoFeasiblePlanMessage(settings_, c_.locale);
      if (IsUniquePlan(i, s_.nextPopulation, slot)) break;
    }
    plan(head(i, valueOf(slot)) + "   Random" + hours(slot));
    noteBest(slot);
    return std::nullopt;
  }

  void noteBest(const GASolution& made) {
    if (!(made.Objective1 < bestGoingIn_)) return;
    plan("<<< BEST KNOWN SOLUTION BELOW >>>");
    bestGoingIn_ = made.Objective1;
  }

  // 6.-7. Children of roulette-chosen parents until the population is full.
  Failure crossover() {
    bool evenReported = false;
    int attempts = 0;
    for (std::int32_t slot = s_.ActualCarryOver + s_.ActualImport + 1;
         slot <= settings_.PopulationSize;) {
      if (attempts++ == kMaxSlotAttempts)
        return "No feasible plan unlike the others was bred for slot " + std::to_string(slot) +
               " in " + std::to_string(kMaxSlotAttempts) +
               " tries.\rThe run ends with the last complete generation.";
      foresight_.fill(slot);
      GASolution& child = s_.nextPopulation[slot];
      const Parents parents =
          BreedChild(roulette_, s_.population, c_.model, settings_, s_.random, child);
      if (parents.drawnEvenly && !evenReported) {
        report("All plans rank alike: mothers are drawn with equal chances");
        evenReported = true;
      }
      if (makeChild(slot, parents)) {
        ++slot;
        attempts = 0;
      }
    }
    return std::nullopt;
  }

  // The child bred in `slot` evaluated; true when it is feasible and unique.
  bool makeChild(std::int32_t slot, const Parents& parents) {
    GASolution& child = s_.nextPopulation[slot];
    const GASolution& mother = s_.population[parents.mother];
    const GASolution& father = s_.population[parents.father];
    const bool feasible = EvaluateInRun(c_, child);
    const std::string tail = "    Cross   M = " + std::to_string(parents.mother) + "(" +
                             CurrencyText(mother.Objective1, 15, 2, c_.locale) +
                             ")  F = " + std::to_string(parents.father) + "(" +
                             CurrencyText(father.Objective1, 15, 2, c_.locale) + ")" + hours(child);
    if (!feasible) {
      report(head(slot, "  INFEASIBLE  ") + tail);
      plan(".....SOLUTION BELOW NOT FEASIBLE.....");
      return false;
    }
    child.Improved = false;
    child.Origin = PlanOrigin::Cross;
    plan(head(slot, valueOf(child)) + tail);
    noteBest(child);
    if (IsUniquePlan(slot, s_.nextPopulation, child)) return true;
    plan(".....SOLUTION BELOW NOT UNIQUE.....");
    return false;
  }

  // The slots after the carried-over ones that take random plans: those beyond
  // the ranked members, then the import block; then the children.
  void layOutForesight() {
    foresight_.layOut(s_.ActualCarryOver + (importing() ? s_.ActualImport : 0),
                      s_.ActualCarryOver + s_.ActualImport + 1);
  }

  GAContext& c_;
  GAState& s_;
  GASettings& settings_;
  Real bestGoingIn_;
  std::int32_t ranked_ = 0;  // members ranked in step 2 (before any growth)
  ExtendedKeys keys_{};
  SortIndex order_{};
  Roulette roulette_;
  GenerationForecast foresight_{c_, roulette_};
};

}  // namespace

std::int32_t ImportBlock(const GASettings& settings) {
  return std::min(settings.NumberToImport, kMaxPopulation - settings.NumberToCarryOver);
}

BlockSizes TwoObjectiveBlocks(std::int32_t nonInferior, std::int32_t maxOnTradeoff,
                              std::int32_t importPerGeneration, std::int32_t crossoverPerGeneration,
                              std::int32_t populationSize) {
  BlockSizes blocks;
  blocks.maxOnTradeoff = std::max(maxOnTradeoff, nonInferior);
  const std::int32_t c = 2 * blocks.maxOnTradeoff;
  if (c + importPerGeneration + crossoverPerGeneration <= kMaxPopulation) {
    blocks.carryOver = c;
    blocks.import = importPerGeneration;
    blocks.populationSize =
        std::max(populationSize, c + importPerGeneration + crossoverPerGeneration);
    return blocks;
  }
  blocks.populationSize = kMaxPopulation;
  blocks.carryOver = kMaxPopulation - importPerGeneration - crossoverPerGeneration;
  if (blocks.carryOver >= nonInferior) {
    blocks.import = importPerGeneration;
  } else {
    blocks.carryOver = nonInferior;
    blocks.import = std::max(0, kMaxPopulation - crossoverPerGeneration - nonInferior);
  }
  return blocks;
}

std::optional<std::string> Generate_new_generation(GAContext& context, Real bestGoingIn) {
  return GenerationStep(context, bestGoingIn).run();
}

}  // namespace morvane
