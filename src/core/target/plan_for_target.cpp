#include "target/plan_for_target.h"

#include "staffing/schedule_plan.h"
#include "target/cover_polish.h"

namespace morvane {
namespace {

inline constexpr int kRequirementProgress = 60;
inline constexpr int kPolishProgress = 95;

std::string NotConfirmed() {
  return "No plan found meets the service target in extended precision, though its cover "
         "does in double precision.\rLengthen the answer time or lower the target a little, "
         "or shorten the time step.";
}

// The cheapest plan of the polish's path that meets the target in extended
// precision (the last almost always does: the path is scored in double).
std::optional<PlanStarts> Confirmed(const std::vector<PlanStarts>& path,
                                    const DutyColumns& columns, TargetChecker& checker) {
  for (auto plan = path.rbegin(); plan != path.rend(); ++plan)
    if (checker.check(columns.onDuty(*plan), Precision::Extended).met()) return *plan;
  return std::nullopt;
}

}  // namespace

TargetOutcome ComputePlanForTarget(const Model& model, std::int32_t startInterval,
                                   UserInterface& ui, const TargetSearch& search) {
  TargetOutcome outcome;
  TargetChecker checker(model, ui, search);
  // 1. The requirement per period.
  const RequirementOutcome required =
      ComputeRequirement(model, checker, ui, search, kRequirementProgress);
  outcome.stopped = required.stopped;
  outcome.refusal = required.refusal;
  if (!required.requirement) return outcome;
  TargetPlan plan;
  plan.requirement = *required.requirement;
  // 2. The cheapest covers of both requirements.
  const CoverProblem exact = CoverProblemOf(model, plan.requirement.Exact, startInterval);
  const CoverProblem erlang = CoverProblemOf(model, plan.requirement.ErlangC, startInterval);
  const CoverOutcome exactCover = CheapestCover(exact, search.stop);
  const CoverOutcome erlangCover = CheapestCover(erlang, search.stop);
  outcome.stopped = exactCover.stopped || erlangCover.stopped;
  outcome.refusal = exactCover.refusal ? exactCover.refusal : erlangCover.refusal;
  if (!exactCover.starts || !erlangCover.starts) return outcome;
  plan.erlangCCover = *erlangCover.starts;
  plan.erlangCCoverCost = erlangCover.cost;
  // 3. The polish in double precision, 4. the confirmation in extended.
  const std::vector<PlanStarts> path =
      PolishCover({exact, plan.requirement.Exact, checker, ui, search}, *exactCover.starts);
  ui.progress(Gauge::PctDone, kPolishProgress);
  const std::optional<PlanStarts> confirmed = Confirmed(path, DutyColumns(exact), checker);
  outcome.stopped = search.stopped();
  if (outcome.stopped) return outcome;
  if (!confirmed) {
    outcome.refusal = NotConfirmed();
    return outcome;
  }
  plan.starts = *confirmed;
  plan.laborCost = CostOf(exact, plan.starts);
  ui.progress(Gauge::PctDone, 100);
  outcome.plan = plan;
  return outcome;
}

void InstallTargetPlan(Model& model, const PlanStarts& starts) {
  model.staffing.StartTimes = starts;
  ScheduleGridExit(model);
  model.flags.UseBaseServers = false;
}

}  // namespace morvane
