// The servers each quarter-hour needs to meet the service target (at least
// ServiceLevelTarget % of contacts answered within ServiceLevelSeconds).
//
// The Erlang C requirement treats each period as its own steady state at the
// period's mean arrival rate: the fewest servers whose M/M/s service level
// reaches the target. The exact requirement puts exactly its servers on duty in
// each period and asks the time-dependent engine: every step with arrivals must
// reach the target, the rule MinutesBelowServiceTarget counts. Queues carry over
// from one period to the next, so the two differ where demand climbs or falls.
// When callers hang up, both use the model with abandonment: the steady state
// of each period is then Erlang A's, and the names below keep their Erlang C
// spelling for the files and callers that rely on them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/user_interface.h"
#include "engine/model.h"
#include "target/service_check.h"

namespace morvane {

struct StaffingRequirement {
  PeriodCounts ErlangC{};
  PeriodCounts Exact{};
};

// "08:15": the clock time period p starts at.
std::string PeriodStartText(int period);
// "08:15-08:30": the period's clock times.
std::string PeriodText(int period);

// The period's mean arrival rate per hour: the mean of lambda over its 15 minutes.
Real PeriodArrivalRate(const ScenarioInputs& inputs, int period);

// The Erlang C requirement of every period (0 where nobody arrives). A period
// no number of servers the engine holds can serve is named in the message.
struct ErlangCOutcome {
  PeriodCounts servers{};
  std::optional<std::string> refusal;
};
ErlangCOutcome ErlangCRequirement(const ScenarioInputs& inputs);

// Both requirements of the model's scenario. The exact one starts from Erlang C,
// raises every period with a step below target until none has one, then lowers
// periods one at a time where the target still holds everywhere; double
// precision while it searches, extended to confirm. Progress goes to `ui`
// (Gauge::PctDone); nothing when refused (`refusal` says why) or stopped.
struct RequirementOutcome {
  std::optional<StaffingRequirement> requirement;
  std::optional<std::string> refusal;  // a period that cannot meet the target, and why
  bool stopped = false;
};
RequirementOutcome ComputeRequirement(const Model& model, UserInterface& ui,
                                      const TargetSearch& search);
// The same with the checker of a longer search, its progress from 0 to `progressEnd` %.
RequirementOutcome ComputeRequirement(const Model& model, TargetChecker& checker,
                                      UserInterface& ui, const TargetSearch& search,
                                      int progressEnd);

}  // namespace morvane
