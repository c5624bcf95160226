// The service target in a morvane-batch run: the requirement per quarter-hour
// and the plan for the target, computed on the scenario and duty templates in
// force; the plan is then put in force (and seeds a GA run). The requirement
// goes out as CSV and as the "Requirement" object of the JSON output.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "target/plan_for_target.h"

namespace morvane::batch {

struct TargetBatchResult {
  std::optional<StaffingRequirement> requirement;  // when asked for
  std::optional<TargetPlan> plan;                  // with --plan-for-target

  // The plans a GA run starts with: the plan for the target and the Erlang C cover.
  std::vector<PlanStarts> seeds() const;
};

// Computes what request.target asks for, nothing when it asks nothing; starts
// every GA start interval, on the GA's worker threads. The plan for the target
// is put in force. A refusal goes to `ui`.
ExitStatus RunTargetBatch(BatchRequest& request, UserInterface& ui, TargetBatchResult& result);

// The value of the "Requirement" key of the JSON output: ErlangC, Exact, OnDuty
// (96 each) and, when the plan for the target was computed, its LaborCost.
std::string RequirementJson(const TargetBatchResult& result, const PeriodCounts& onDuty);

// Writes the requirement CSV of request.target, if one is named; whether all went well.
bool WriteRequirementFile(const BatchRequest& request, const TargetBatchResult& result,
                          UserInterface& ui);

}  // namespace morvane::batch
