#include "target/integer_cover.h"

#include <glpk.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "staffing/schedule_plan.h"
#include "staffing/start_times_page.h"

namespace morvane {
namespace {

// Each employee adds kTieBreak to the objective, so among plans of one cost the
// fewest employees wins and a type that costs nothing is not hired by the
// hundred. It can cost money only against a plan with more employees:
//   cost(x) + e N(x) <= cost(x*) + e N(x*)  =>  cost(x) - cost(x*) <= e N(x*),
// x* a cheapest plan with no employee to spare. Each of its employees is the
// last one keeping some period at its requirement, so N(x*) <= the sum of the
// requirements, at most 96 x 501 (the most servers the engine holds): the
// answer is within 0.05 of the least cost, and exactly the least when costs
// are whole numbers. (GLPK itself prunes its search at a relative 1e-7 of the
// objective, so plans that close may still tie either way.)
constexpr double kTieBreak = 1e-6;
constexpr int kTimeLimitMs = 20000;

struct ProblemDeleter {
  void operator()(glp_prob* problem) const { glp_delete_prob(problem); }
};
using GlpkProblem = std::unique_ptr<glp_prob, ProblemDeleter>;

// One variable of the program: the employees of `type` starting in `start`.
struct Column {
  int type = 0;
  int start = 0;
  PeriodCounts duty{};
};

bool CoversSomeRequirement(const PeriodCounts& duty, const PeriodCounts& requirement) {
  for (int q = 0; q < kPeriods; ++q)
    if (duty[q] == 1 && requirement[q] > 0) return true;
  return false;
}

// The allowed starts whose shift meets some requirement; the others are never
// worth their cost.
std::vector<Column> UsefulColumns(const CoverProblem& problem) {
  std::vector<Column> columns;
  for (int type : {FullTime, PartTime})
    for (int p = 0; p < kPeriods; p += problem.startInterval) {
      Column column{type, p, DutyOfStart(problem.DutyTemplate[type], problem.wraps[type], p)};
      if (CoversSomeRequirement(column.duty, problem.requirement)) columns.push_back(column);
    }
  return columns;
}

std::optional<std::string> UncoveredPeriod(const CoverProblem& problem,
                                           const std::vector<Column>& columns) {
  for (int q = 0; q < kPeriods; ++q) {
    if (problem.requirement[q] <= 0) continue;
    bool covered = false;
    for (const Column& column : columns) covered = covered || column.duty[q] == 1;
    if (!covered)
      return "No start time puts anyone on duty in period " + GridPeriodLabel(q) +
             ", so its requirement of " + std::to_string(problem.requirement[q]) +
             " cannot be covered.";
  }
  return std::nullopt;
}

// Row q + 1 is period q, at least its requirement; column j + 1 is columns[j].
GlpkProblem BuildProgram(const CoverProblem& problem, const std::vector<Column>& columns) {
  GlpkProblem program(glp_create_prob());
  glp_set_obj_dir(program.get(), GLP_MIN);
  glp_add_rows(program.get(), kPeriods);
  for (int q = 0; q < kPeriods; ++q)
    glp_set_row_bnds(program.get(), q + 1, GLP_LO, problem.requirement[q], 0);
  glp_add_cols(program.get(), static_cast<int>(columns.size()));
  std::vector<int> rows{0}, cols{0};  // GLPK counts from 1
  std::vector<double> values{0};
  for (int j = 1; j <= static_cast<int>(columns.size()); ++j) {
    const Column& column = columns[j - 1];
    glp_set_col_kind(program.get(), j, GLP_IV);
    glp_set_col_bnds(program.get(), j, GLP_LO, 0, 0);
    glp_set_obj_coef(program.get(), j, static_cast<double>(problem.cost[column.type]) + kTieBreak);
    for (int q = 0; q < kPeriods; ++q)
      if (column.duty[q] == 1) {
        rows.push_back(q + 1);
        cols.push_back(j);
        values.push_back(1);
      }
  }
  glp_load_matrix(program.get(), static_cast<int>(rows.size()) - 1, rows.data(), cols.data(),
                  values.data());
  return program;
}

// Called by GLPK throughout the search; `info` points at the stop flag's pointer.
void StopWhenAsked(glp_tree* tree, void* info) {
  const std::atomic<bool>* stop = *static_cast<const std::atomic<bool>**>(info);
  if (stop != nullptr && stop->load()) glp_ios_terminate(tree);
}

struct SolveResult {
  int returned = 0;  // glp_intopt's code
  int status = 0;    // glp_mip_status: a time limit may still leave GLP_FEAS
};

SolveResult Solve(glp_prob* program, const std::atomic<bool>* stop) {
  glp_iocp parameters;
  glp_init_iocp(&parameters);
  parameters.msg_lev = GLP_MSG_OFF;
  parameters.presolve = GLP_ON;
  parameters.tm_lim = kTimeLimitMs;
  parameters.cb_func = StopWhenAsked;
  parameters.cb_info = static_cast<void*>(&stop);
  const int returned = glp_intopt(program, &parameters);
  return {returned, glp_mip_status(program)};
}

std::string SolveRefusal(const SolveResult& result) {
  if (result.returned == GLP_ETMLIM)
    return "No cover of the requirement was found within the time limit of " +
           std::to_string(kTimeLimitMs / 1000) + " seconds.";
  return "The integer cover could not be solved (GLPK returned " +
         std::to_string(result.returned) + ", status " + std::to_string(result.status) + ").";
}

// The solution's counts, whole; nothing when one is not a 32-bit count.
std::optional<PlanStarts> StartsOf(glp_prob* program, const std::vector<Column>& columns) {
  PlanStarts starts{};
  for (int j = 1; j <= static_cast<int>(columns.size()); ++j) {
    const double count = std::round(glp_mip_col_val(program, j));
    if (!(count >= 0 && count <= std::numeric_limits<std::int32_t>::max())) return std::nullopt;
    starts[columns[j - 1].type][columns[j - 1].start] = static_cast<std::int32_t>(count);
  }
  return starts;
}

// The first period the starts leave below its requirement, if any.
std::optional<int> ShortPeriod(const CoverProblem& problem, const PlanStarts& starts) {
  const PeriodCounts onDuty = DutyColumns(problem).onDuty(starts);
  for (int q = 0; q < kPeriods; ++q)
    if (onDuty[q] < problem.requirement[q]) return q;
  return std::nullopt;
}

// Reads the solver's answer; a plan that misses a requirement is refused, never returned.
CoverOutcome AnswerOf(const CoverProblem& problem, glp_prob* program,
                      const std::vector<Column>& columns) {
  CoverOutcome outcome;
  const std::optional<PlanStarts> starts = StartsOf(program, columns);
  if (!starts) {
    outcome.refusal = "The integer cover's answer is not a count of employees; no plan was made.";
    return outcome;
  }
  if (const std::optional<int> period = ShortPeriod(problem, *starts)) {
    outcome.refusal = "The integer cover's answer leaves period " + GridPeriodLabel(*period) +
                      " below its requirement; no plan was made.";
    return outcome;
  }
  outcome.starts = starts;
  outcome.cost = CostOf(problem, *starts);
  return outcome;
}

bool NothingRequired(const PeriodCounts& requirement) {
  for (std::int32_t servers : requirement)
    if (servers > 0) return false;
  return true;
}

}  // namespace

DutyColumns::DutyColumns(const CoverProblem& problem) {
  for (int t = 0; t < 2; ++t)
    for (int p = 0; p < kPeriods; ++p)
      duty_[t][p] = DutyOfStart(problem.DutyTemplate[t], problem.wraps[t], p);
}

PeriodCounts DutyColumns::onDuty(const PlanStarts& starts) const {
  PeriodCounts onDuty{};
  for (int t = 0; t < 2; ++t)
    for (int p = 0; p < kPeriods; ++p)
      if (starts[t][p] > 0)
        for (int q = 0; q < kPeriods; ++q) onDuty[q] += starts[t][p] * duty_[t][p][q];
  return onDuty;
}

Real CostOf(const CoverProblem& problem, const PlanStarts& starts) {
  Real cost = 0;
  for (int type : {FullTime, PartTime})
    for (std::int32_t count : starts[type]) cost += count * problem.cost[type];
  return cost;
}

CoverProblem CoverProblemOf(const Model& model, const PeriodCounts& requirement,
                            std::int32_t startInterval) {
  CoverProblem problem;
  problem.requirement = requirement;
  problem.DutyTemplate = model.staffing.DutyTemplate;
  problem.wraps = {model.staffing.FullTimeWraps, model.staffing.PartTimeWraps};
  problem.cost = {model.inputs.FullTimeCost, model.inputs.PartTimeCost};
  problem.startInterval = startInterval;
  return problem;
}

CoverOutcome CheapestCover(const CoverProblem& problem, const std::atomic<bool>* stop) {
  CoverOutcome outcome;
  if (problem.startInterval < 1) {
    outcome.refusal = "Starts must be at least one period apart.";
    return outcome;
  }
  const std::vector<Column> columns = UsefulColumns(problem);
  outcome.refusal = UncoveredPeriod(problem, columns);
  if (outcome.refusal) return outcome;
  if (NothingRequired(problem.requirement)) {
    outcome.starts = PlanStarts{};
    return outcome;
  }
  outcome.stopped = stop != nullptr && stop->load();
  if (outcome.stopped) return outcome;
  const GlpkProblem program = BuildProgram(problem, columns);
  const SolveResult result = Solve(program.get(), stop);
  outcome.stopped = result.returned == GLP_ESTOP;
  if (outcome.stopped) return outcome;
  if (result.status != GLP_OPT && result.status != GLP_FEAS) {
    outcome.refusal = SolveRefusal(result);
    return outcome;
  }
  return AnswerOf(problem, program.get(), columns);
}

}  // namespace morvane
