#include "optimiser/local_improvement.h"

#include "optimiser/evaluation.h"
#include "optimiser/lookahead.h"
#include "optimiser/part_time_swap.h"
#include "optimiser/quick_sort.h"

namespace morvane {
namespace {

// The four passes: which starts move, in which direction, and the field that shows it.
struct Pass {
  EmployeeType type;
  int direction;
  ImprovementField field;
};
constexpr Pass kPasses[] = {{FullTime, -1, ImprovementField::FullTimeLeft},
                            {FullTime, +1, ImprovementField::FullTimeRight},
                            {PartTime, -1, ImprovementField::PartTimeLeft},
                            {PartTime, +1, ImprovementField::PartTimeRight}};

// The pass index once the four passes are over (no move is being made).
constexpr int kNoPass = 4;

PeriodCounts& StartsOf(GASolution& plan, EmployeeType type) {
  return type == FullTime ? plan.FullTimeStarts : plan.PartTimeStarts;
}

// One start of period p moved StartInterval periods the pass's way, across midnight if need be.
void MoveStart(GASolution& plan, const Pass& pass, int p, std::int32_t interval) {
  const int target = (p + pass.direction * interval + kPeriods) % kPeriods;
  PeriodCounts& starts = StartsOf(plan, pass.type);
  ++starts[target];
  --starts[p];
}

// The improver foresees its own evaluations: the moves still to come in this
// cycle, each taken to be no better, so the plan they start from stays.
class Improver : public Forecast {
 public:
  explicit Improver(GAContext& context) : c_(context), s_(context.state) {}

  // 3.4-3.6 for member m.
  void improve(Population& population, std::int32_t m) {
    working_ = population[m];
    status("NO IMP FOUND", false);
    best_ = working_.Objective1;
    std::int32_t cycles = 0;
    bool improved = false;
    do {
      improved = cycle(m, cycles);
      ++cycles;
      improved = swap(improved);
    } while (improved && !stopped());
    pass_ = kNoPass;
    EvaluateInRun(c_, working_);
    if (IsUniquePlan(c_.settings.PopulationSize, population, working_)) population[m] = working_;
    population[m].Improved = true;
  }

 private:
  bool stopped() const { return s_.StopRequested.load(); }

  void status(const std::string& text, bool found) {
    c_.observer.improvementText(ImprovementField::ImprovedQuestion, text);
    c_.ui.pause(1);
    c_.observer.improvementFound(found);
  }

  // 5.1-5.3: one cycle of the four passes; true when a move was kept.
  bool cycle(std::int32_t m, std::int32_t cycles) {
    c_.observer.improvementText(ImprovementField::ImprovedQuestion, "");
    for (const Pass& pass : kPasses) c_.observer.improvementText(pass.field, "");
    status("NO IMP FOUND", false);
    c_.ui.reportLine("WORKING ON SOL. " + std::to_string(m) + " WITH " + std::to_string(cycles) +
                     " CYCLES DONE, VALUE = " + ObjectiveText(working_, c_.settings, c_.locale) +
                     HoursText(working_, 12, c_.locale));
    c_.ui.pause(2);
    bool improved = false;
    for (pass_ = 0; pass_ < kNoPass; ++pass_) improved = runPass(kPasses[pass_]) || improved;
    return improved;
  }

  // One pass over p = 0..95; a start moved later is met again and may move on.
  bool runPass(const Pass& pass) {
    bool improved = false;
    interval_ = c_.settings.StartInterval;
    std::int32_t n = 0;
    for (int p = 0; p < kPeriods; ++p) {
      if (StartsOf(working_, pass.type)[p] < 1 || stopped()) continue;
      ++n;
      c_.observer.improvementText(pass.field, std::to_string(p) + "|" + std::to_string(n));
      c_.ui.pause(1);
      p_ = p;
      kept_ = working_;
      MoveStart(working_, pass, p, interval_);
      if (EvaluateInRun(c_, working_) && working_.Objective1 < best_) {
        best_ = working_.Objective1;
        improved = true;
        status(ObjectiveText(working_, c_.settings, c_.locale), true);
      } else {
        working_ = kept_;
      }
    }
    return improved;
  }

  // 5.5: two part-timers for one full-timer, when the cycle kept no move.
  bool swap(bool improved) {
    if (!s_.FullTimeCheaper || working_.NumPartTime < 2 || improved || !c_.settings.AllowSwap)
      return improved;
    const Real saving = 2 * c_.model.inputs.PartTimeCost - c_.model.inputs.FullTimeCost;
    for (int p = 0; p < kPeriods; ++p)
      while (working_.PartTimeStarts[p] > 0) {
        const auto q = SwapPartner(c_.model.staffing, working_, p);
        if (!q) break;
        ++working_.FullTimeStarts[p];
        --working_.PartTimeStarts[p];
        --working_.PartTimeStarts[*q];
        ++working_.NumFullTime;
        working_.NumPartTime -= 2;
        improved = true;
        c_.ui.reportLine("Swapping two part timers starting in periods " + std::to_string(p) +
                         " and " + std::to_string(*q));
        c_.ui.reportLine("      for one full timer starting in period  " + std::to_string(p));
        c_.ui.reportLine("      at a labor cost savings of " +
                         CurrencyText(saving, 10, 2, c_.locale));
        // The labour saving is known exactly; the plan's evaluation at the end replaces it.
        working_.Objective1 -= saving;
        c_.ui.pause(1);
        best_ = working_.Objective1;
      }
    return improved;
  }

  void restart() override {
    foreseenFrom_ = kept_;
    foreseenPass_ = pass_;
    foreseenP_ = p_ + 1;
  }

  bool next(const EngineTest& reaches) override {
    for (; foreseenPass_ < kNoPass && !stopped(); ++foreseenPass_, foreseenP_ = 0)
      while (foreseenP_ < kPeriods) {
        const int p = foreseenP_++;
        const Pass& pass = kPasses[foreseenPass_];
        if (StartsOf(foreseenFrom_, pass.type)[p] < 1) continue;
        foreseenMove_ = foreseenFrom_;
        MoveStart(foreseenMove_, pass, p, interval_);
        if (reaches(foreseenMove_)) return true;
      }
    return false;
  }

  // The move would be kept.
  EvaluationPool::PathTest leavesPath() const override {
    return [move = foreseenMove_, settings = c_.settings, best = best_](const EngineFigures& f) {
      GASolution scored = move;
      ApplyFigures(f, settings, scored);
      return scored.Objective1 < best;
    };
  }

  GAContext& c_;
  GAState& s_;
  GASolution working_;
  Real best_ = 0;
  // The move being evaluated: its pass, its period and the plan before it.
  std::int32_t interval_ = 1;
  int pass_ = kNoPass;
  int p_ = 0;
  GASolution kept_;
  // Foresight: the plan the moves start from, the next move's pass and period,
  // and the move foreseen last.
  GASolution foreseenFrom_;
  GASolution foreseenMove_;
  int foreseenPass_ = kNoPass;
  int foreseenP_ = 0;
};

}  // namespace

void DoImprovements(GAContext& context, std::int32_t count, Population& population) {
  if (count <= 0) return;
  const std::int32_t size = context.settings.PopulationSize;
  ExtendedKeys keys{};
  for (std::int32_t i = 1; i <= size; ++i) keys[i] = population[i].Objective1;
  const SortIndex o = RankAscending(keys, size);
  Improver improver(context);
  const Lookahead::Scope foresight(context.state.lookahead, improver);
  for (std::int32_t k = 1; k <= count && k <= size && !context.state.StopRequested.load(); ++k) {
    context.ui.reportLine("");
    context.observer.improvementShown(true);
    const std::int32_t m = o[k];
    context.observer.improvementText(ImprovementField::ImproveIndex, std::to_string(k));
    if (population[m].Improved || context.state.StopRequested.load()) continue;
    improver.improve(population, m);
  }
  context.observer.improvementShown(false);
  context.ui.reportLine("");
}

}  // namespace morvane
