// The least labour cost set of full-time and part-time starts whose servers on
// duty reach a requirement in every period: an integer program solved by GLPK.
//
//   minimise   sum over types t and allowed starts p of cost_t x_{t,p}
//   subject to sum over t, p of onDuty_{t,p}(q) x_{t,p} >= requirement(q)   for every period q
//              x_{t,p} >= 0 and whole
//
// where onDuty_{t,p} is the duty template of type t started in period p (with
// its wrap rule, DutyOfStart), and starts are allowed in periods 0, interval,
// 2 interval, ... Each employee also adds a millionth to the objective, so
// equal costs go to the plan with fewer employees (integer_cover.cpp says why
// that costs at most a few cents). Costs are >= 0, as the cost boxes allow.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "base/real.h"
#include "engine/model.h"

namespace morvane {

using PlanStarts = std::array<PeriodCounts, 2>;  // [FullTime], [PartTime]

struct CoverProblem {
  PeriodCounts requirement{};
  std::array<PeriodCounts, 2> DutyTemplate{};  // [FullTime], [PartTime]
  std::array<bool, 2> wraps{true, true};
  std::array<Real, 2> cost{};                  // per employee per day
  std::int32_t startInterval = 1;              // periods between allowed starts
};

// The problem of covering `requirement` with the model's templates, wrap rules and costs.
CoverProblem CoverProblemOf(const Model& model, const PeriodCounts& requirement,
                            std::int32_t startInterval);

// The periods each start of each type covers, for the servers on duty of many plans.
class DutyColumns {
 public:
  explicit DutyColumns(const CoverProblem& problem);
  // The servers on duty in each period under a plan.
  PeriodCounts onDuty(const PlanStarts& starts) const;

 private:
  std::array<std::array<PeriodCounts, kPeriods>, 2> duty_{};  // [type][start]
};

// The plan's labour cost.
Real CostOf(const CoverProblem& problem, const PlanStarts& starts);

struct CoverOutcome {
  std::optional<PlanStarts> starts;    // nothing when refused or stopped
  Real cost = 0;
  std::optional<std::string> refusal;  // e.g. a period no allowed start covers, named
  bool stopped = false;
};

// Solves the problem. Refused, naming the period, when some required period is
// on duty for no allowed start; a requirement of zeros is met by no starts at
// cost 0. The search stops after 20 s with the best cover found by then, or
// refuses when it has none; `stop`, set before or during the solve, ends it.
CoverOutcome CheapestCover(const CoverProblem& problem, const std::atomic<bool>* stop = nullptr);

}  // namespace morvane
