#include "target/cover_polish.h"

#include <algorithm>

#include "staffing/schedule_plan.h"

namespace morvane {
namespace {

inline constexpr int kMostMoveIntervals = 4;
// A move leaving more servers short of the exact requirement than this, over
// the day, is not scored: the engine has never found such a move to hold.
inline constexpr std::int32_t kMostShortfall = 4;
// Moves scored after the last one kept before the polish ends.
inline constexpr std::size_t kMostTriesPerMove = 96;

struct Move {
  PlanStarts starts{};
  Real saving = 0;
  std::int32_t shortfall = 0;  // servers below the exact requirement, summed over periods
};

// Periods an employee of the type's template is on duty, from its start to its last period.
int Span(const PeriodCounts& dutyTemplate) {
  for (int k = kPeriods - 1; k >= 0; --k)
    if (dutyTemplate[k] == 1) return k + 1;
  return 0;
}

// A start period moved onto the start grid, around the day.
int Aligned(int period, std::int32_t interval) {
  const int p = ((period % kPeriods) + kPeriods) % kPeriods;
  return p - p % interval;
}

class Polisher {
 public:
  explicit Polisher(const PolishRun& run) : run_(run), columns_(run.problem) {}

  std::vector<PlanStarts> polish(const PlanStarts& plan) {
    std::vector<PlanStarts> path{plan};
    while (!run_.search.stopped()) {
      const std::optional<PlanStarts> better = firstHolding(moves(path.back()));
      if (!better) break;
      path.push_back(*better);
    }
    return path;
  }

 private:
  // The moves worth scoring, the largest saving first, then the least shortfall.
  std::vector<Move> moves(const PlanStarts& plan) const {
    std::vector<Move> found;
    const Real cost = CostOf(run_.problem, plan);
    const auto add = [&](const PlanStarts& starts) {
      const Real saving = cost - CostOf(run_.problem, starts);
      if (!(saving > 0)) return;
      const std::int32_t shortfall = Shortfall(starts);
      if (shortfall <= kMostShortfall) found.push_back({starts, saving, shortfall});
    };
    drops(plan, add);
    swaps(plan, add);
    std::sort(found.begin(), found.end(), [](const Move& a, const Move& b) {
      return a.saving != b.saving ? a.saving > b.saving : a.shortfall < b.shortfall;
    });
    return found;
  }

  // Every start dropped, alone or with another start moved up to four intervals.
  template <typename Add>
  void drops(const PlanStarts& plan, const Add& add) const {
    for (int t = 0; t < 2; ++t)
      for (int p = 0; p < kPeriods; ++p) {
        if (plan[t][p] <= 0) continue;
        PlanStarts dropped = plan;
        --dropped[t][p];
        add(dropped);
        for (int u = 0; u < 2; ++u)
          for (int q = 0; q < kPeriods; ++q)
            if (dropped[u][q] > 0) moveAround(dropped, u, q, add);
      }
  }

  template <typename Add>
  void moveAround(const PlanStarts& plan, int type, int start, const Add& add) const {
    const std::int32_t interval = run_.problem.startInterval;
    for (int d = -kMostMoveIntervals; d <= kMostMoveIntervals; ++d) {
      if (d == 0) continue;
      PlanStarts moved = plan;
      --moved[type][start];
      ++moved[type][Aligned(start + d * interval, interval)];
      add(moved);
    }
  }

  // One full-timer for two part-timers, at the start and at the end of its
  // shift, and two part-timers within a shift's span for one full-timer.
  template <typename Add>
  void swaps(const PlanStarts& plan, const Add& add) const {
    const std::int32_t interval = run_.problem.startInterval;
    const int fullSpan = Span(run_.problem.DutyTemplate[FullTime]);
    const int partSpan = Span(run_.problem.DutyTemplate[PartTime]);
    for (int p = 0; p < kPeriods; ++p) {
      if (plan[FullTime][p] <= 0) continue;
      PlanStarts swapped = plan;
      --swapped[FullTime][p];
      ++swapped[PartTime][p];
      ++swapped[PartTime][Aligned(p + fullSpan - partSpan, interval)];
      add(swapped);
    }
    for (int p = 0; p < kPeriods; ++p)
      for (int q = p; q < kPeriods && q - p <= fullSpan; ++q) {
        if (plan[PartTime][p] <= 0 || plan[PartTime][q] <= (p == q ? 1 : 0)) continue;
        PlanStarts swapped = plan;
        --swapped[PartTime][p];
        --swapped[PartTime][q];
        for (const int f : {p, q + partSpan - fullSpan}) {
          PlanStarts joined = swapped;
          ++joined[FullTime][Aligned(f, interval)];
          add(joined);
        }
      }
  }

  std::int32_t Shortfall(const PlanStarts& starts) const {
    const PeriodCounts onDuty = columns_.onDuty(starts);
    std::int32_t shortfall = 0;
    for (int q = 0; q < kPeriods; ++q) shortfall += std::max(0, run_.exact[q] - onDuty[q]);
    return shortfall;
  }

  // The first move, in order, that keeps every step at or above the target;
  // the workers score the next few at once.
  std::optional<PlanStarts> firstHolding(const std::vector<Move>& moves) {
    const std::size_t width = run_.checker.workers();
    const std::size_t tries = std::min(moves.size(), kMostTriesPerMove);
    for (std::size_t first = 0; first < tries && !run_.search.stopped(); first += width) {
      std::vector<PeriodCounts> candidates;
      for (std::size_t i = first; i < std::min(first + width, tries); ++i)
        candidates.push_back(columns_.onDuty(moves[i].starts));
      const std::vector<TargetCheck> checks = run_.checker.check(candidates, Precision::Double);
      if (run_.search.stopped()) return std::nullopt;
      for (std::size_t i = 0; i < checks.size(); ++i)
        if (checks[i].met()) return moves[first + i].starts;
    }
    return std::nullopt;
  }

  const PolishRun& run_;
  DutyColumns columns_;
};

}  // namespace

std::vector<PlanStarts> PolishCover(const PolishRun& run, const PlanStarts& plan) {
  return Polisher(run).polish(plan);
}

}  // namespace morvane
