#include "core/local_improvement.h"

#include "core/evaluation.h"
#include "core/part_time_swap.h"
#include "core/quick_sort.h"

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

PeriodCounts& StartsOf(GASolution& plan, EmployeeType type) {
  return type == FullTime ? plan.FullTimeStarts : plan.PartTimeStarts;
}

class Improver {
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
    for (const Pass& pass : kPasses) improved = runPass(pass) || improved;
    return improved;
  }

  // One pass over p = 0..95; a start moved later is met again and may move on.
  bool runPass(const Pass& pass) {
    bool improved = false;
    const std::int32_t interval = c_.settings.StartInterval;
    std::int32_t n = 0;
    for (int p = 0; p < kPeriods; ++p) {
      if (StartsOf(working_, pass.type)[p] < 1 || stopped()) continue;
      ++n;
      c_.observer.improvementText(pass.field, std::to_string(p) + "|" + std::to_string(n));
      c_.ui.pause(1);
      const GASolution kept = working_;
      const int target = (p + pass.direction * interval + kPeriods) % kPeriods;
      PeriodCounts& starts = StartsOf(working_, pass.type);
      ++starts[target];
      --starts[p];
      if (EvaluateInRun(c_, working_) && working_.Objective1 < best_) {
        best_ = working_.Objective1;
        improved = true;
        status(ObjectiveText(working_, c_.settings, c_.locale), true);
      } else {
        working_ = kept;
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

  GAContext& c_;
  GAState& s_;
  GASolution working_;
  Real best_ = 0;
};

}  // namespace

void DoImprovements(GAContext& context, std::int32_t count, Population& population) {
  if (count <= 0) return;
  const std::int32_t size = context.settings.PopulationSize;
  ExtendedKeys keys{};
  for (std::int32_t i = 1; i <= size; ++i) keys[i] = population[i].Objective1;
  const SortIndex o = RankAscending(keys, size);
  Improver improver(context);
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
