#include "batch/target_batch.h"

#include <utility>

#include "batch/machine_output.h"
#include "target/requirement_table.h"

namespace morvane::batch {
namespace {

ExitStatus Refused(const std::optional<std::string>& refusal, UserInterface& ui) {
  ui.message(MessageKind::Error,
             refusal.value_or("The search for the service target was stopped."));
  return kExitRefused;
}

}  // namespace

std::vector<PlanStarts> TargetBatchResult::seeds() const {
  if (!plan) return {};
  return {plan->starts, plan->erlangCCover};
}

ExitStatus RunTargetBatch(BatchRequest& request, UserInterface& ui, TargetBatchResult& result) {
  const TargetRequest& target = request.target;
  const GASettings& settings = request.ga.settings;
  const TargetSearch search{settings.Threads};
  if (target.planForTarget) {
    TargetOutcome outcome =
        ComputePlanForTarget(request.model, settings.StartInterval, ui, search);
    if (!outcome.plan) return Refused(outcome.refusal, ui);
    InstallTargetPlan(request.model, outcome.plan->starts);
    result.requirement = outcome.plan->requirement;
    result.plan = std::move(outcome.plan);
  } else if (target.requirementNeeded()) {
    RequirementOutcome outcome = ComputeRequirement(request.model, ui, search);
    if (!outcome.requirement) return Refused(outcome.refusal, ui);
    result.requirement = outcome.requirement;
  }
  return kExitDone;
}

std::string RequirementJson(const TargetBatchResult& result, const PeriodCounts& onDuty) {
  const StaffingRequirement& requirement = *result.requirement;
  std::string text = "{\"ErlangC\": " + JsonArray(requirement.ErlangC) +
                     ", \"Exact\": " + JsonArray(requirement.Exact) +
                     ", \"OnDuty\": " + JsonArray(onDuty);
  if (result.plan) text += ", \"LaborCost\": " + FullPrecisionText(result.plan->laborCost);
  return text + "}";
}

bool WriteRequirementFile(const BatchRequest& request, const TargetBatchResult& result,
                          UserInterface& ui) {
  const std::string& path = request.target.requirementFile;
  return path.empty() ||
         WriteRequirementTable(path, *result.requirement, onDutyInForce(request.model.staffing), ui);
}

}  // namespace morvane::batch
