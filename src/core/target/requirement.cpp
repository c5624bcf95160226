#include "target/requirement.h"

namespace morvane {

Real PeriodArrivalRate(const ScenarioInputs&, int) { return 0; }

ErlangCOutcome ErlangCRequirement(const ScenarioInputs&) { return {}; }

RequirementOutcome ComputeRequirement(const Model&, UserInterface&, const TargetSearch&) {
  RequirementOutcome outcome;
  outcome.refusal = "not built yet";
  return outcome;
}

}  // namespace morvane
