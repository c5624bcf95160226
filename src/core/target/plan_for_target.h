// The plan for the target: the cheapest plan found that meets the service
// target in every step of the day. The exact requirement, its least-cost
// integer cover, then a polish in the exact model that lowers the labour cost
// while no step falls below target. The Erlang C cover comes along, for
// comparison and as a seed of the optimiser.
#pragma once

#include "target/integer_cover.h"
#include "target/requirement.h"

namespace morvane {

struct TargetPlan {
  StaffingRequirement requirement;
  PlanStarts erlangCCover{};  // cheapest cover of the Erlang C requirement
  Real erlangCCoverCost = 0;
  PlanStarts starts{};        // the plan for the target
  Real laborCost = 0;
};

struct TargetOutcome {
  std::optional<TargetPlan> plan;      // nothing when refused or stopped
  std::optional<std::string> refusal;  // why, for the planner
  bool stopped = false;
};

// Starts are allowed every `startInterval` periods from 00:00. The model is not
// changed; progress and report lines go to `ui`.
TargetOutcome ComputePlanForTarget(const Model& model, std::int32_t startInterval,
                                   UserInterface& ui, const TargetSearch& search);

// The plan's starts into the model's staffing, in force in place of the base
// servers; the servers on duty and labour cost follow. Results still to compute.
void InstallTargetPlan(Model& model, const PlanStarts& starts);

}  // namespace morvane
