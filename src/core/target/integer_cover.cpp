#include "target/integer_cover.h"

namespace morvane {

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

CoverOutcome CheapestCover(const CoverProblem&, const std::atomic<bool>*) {
  CoverOutcome outcome;
  outcome.refusal = "not built yet";
  return outcome;
}

}  // namespace morvane
