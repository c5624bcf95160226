#include "target/requirement.h"

#include <algorithm>
#include <cstdio>

#include "engine/arrival_rate.h"
#include "engine/service_level.h"
#include "engine/steady_state.h"
#include "target/service_check.h"

namespace morvane {
namespace {

// A period never needs more servers than the engine has states: beyond that
// the truncated distribution no longer changes.
inline constexpr std::int32_t kMostServers = kStateLimit;
// Raising rounds before the search gives up on a period that never meets the target.
inline constexpr int kMostRaisingRounds = 200;

std::string CannotMeet(const ScenarioInputs& inputs, int period) {
  return "The service target of " + std::to_string(static_cast<int>(inputs.ServiceLevelTarget)) +
         " % answered within " + std::to_string(inputs.ServiceLevelSeconds) +
         " s cannot be met in the period " + PeriodText(period) + " with up to " +
         std::to_string(kMostServers) +
         " servers, the most the model's states hold.\rLower the target, lengthen the answer "
         "time or lower the demand there.";
}

// Steady-state service level with s servers at the period's rate, in double
// (Erlang C, or Erlang A when callers hang up).
Real SteadyLevel(const ScenarioInputs& inputs, std::int32_t servers, Real lambda) {
  FastProbVector vector;
  const std::int32_t states = std::max(inputs.MaxStates, servers + 1);
  const Real abandonRate = AbandonRate(inputs);
  SteadyStateProbs(servers, false, vector, lambda, inputs.ServiceRate, states, abandonRate);
  ServiceMeter<double> meter(inputs.ServiceRate, abandonRate, inputs.ServiceLevelSeconds, states);
  return meter.of(vector, servers).level;
}

std::optional<std::int32_t> ErlangCServers(const ScenarioInputs& inputs, Real lambda) {
  if (!(lambda > 0)) return 0;
  const Real target = inputs.ServiceLevelTarget / 100;
  // Without hang-ups, fewer servers than the load is overloaded: nobody is
  // answered in time. Callers who hang up keep any number in a steady state.
  const std::int64_t stable =
      AbandonRate(inputs) > 0 ? 1 : StableServers(0, lambda, inputs.ServiceRate);
  for (std::int64_t s = stable; s <= kMostServers; ++s)
    if (!BelowTarget(lambda, SteadyLevel(inputs, static_cast<std::int32_t>(s), lambda), target))
      return static_cast<std::int32_t>(s);
  return std::nullopt;
}

// Raises every short period by one until no step is below target. Returns the
// period that would need more servers than the engine holds, if one does.
std::optional<int> RaiseUntilMet(TargetChecker& checker, PeriodCounts& servers,
                                 Precision precision) {
  for (int round = 0;; ++round) {
    const TargetCheck check = checker.check(servers, precision);
    // The scenario passed the engine's test, so only a stop refuses a check.
    if (check.met() || check.refused) return std::nullopt;
    const auto first = std::find(check.shortPeriod.begin(), check.shortPeriod.end(), true);
    if (round == kMostRaisingRounds) return static_cast<int>(first - check.shortPeriod.begin());
    for (int p = 0; p < kPeriods; ++p)
      if (check.shortPeriod[p] && servers[p]++ >= kMostServers) return p;
  }
}

// Lowers periods one at a time, in order, while the target holds everywhere.
// The workers try the next periods at once, each against the servers as they
// stand; the first that holds is kept and the ones after it are tried again.
void LowerWhileMet(TargetChecker& checker, PeriodCounts& servers, UserInterface& ui,
                   const TargetSearch& search, int progressFrom, int progressTo) {
  const std::size_t width = checker.workers();
  int p = 0;
  while (p < kPeriods && !search.stopped()) {
    std::vector<int> periods;
    std::vector<PeriodCounts> candidates;
    for (int q = p; q < kPeriods && periods.size() < width; ++q) {
      if (servers[q] == 0) continue;
      periods.push_back(q);
      candidates.push_back(servers);
      --candidates.back()[q];
    }
    if (periods.empty()) return;
    const std::vector<TargetCheck> checks = checker.check(candidates, Precision::Double);
    if (search.stopped()) return;
    p = periods.back() + 1;
    for (std::size_t i = 0; i < periods.size(); ++i)
      if (checks[i].met()) {
        servers = candidates[i];
        p = periods[i];  // the same period may go lower still
        break;
      }
    ui.progress(Gauge::PctDone, progressFrom + p * (progressTo - progressFrom) / kPeriods);
  }
}

}  // namespace

std::string PeriodStartText(int period) {
  const int minute = period * kMinutesPerPeriod;
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", minute / 60 % 24, minute % 60);
  return text;
}

std::string PeriodText(int period) {
  return PeriodStartText(period) + "-" + PeriodStartText((period + 1) % kPeriods);
}

Real PeriodArrivalRate(const ScenarioInputs& inputs, int period) {
  Real sum = 0;
  for (int j = 0; j < kMinutesPerPeriod; ++j)
    sum += ArrivalRateAt(inputs, static_cast<Real>(period * kMinutesPerPeriod + j));
  return sum / kMinutesPerPeriod;
}

ErlangCOutcome ErlangCRequirement(const ScenarioInputs& inputs) {
  ErlangCOutcome outcome;
  for (int p = 0; p < kPeriods; ++p) {
    const std::optional<std::int32_t> servers = ErlangCServers(inputs, PeriodArrivalRate(inputs, p));
    if (!servers) {
      outcome.refusal = CannotMeet(inputs, p);
      return outcome;
    }
    outcome.servers[p] = *servers;
  }
  return outcome;
}

RequirementOutcome ComputeRequirement(const Model& model, UserInterface& ui,
                                      const TargetSearch& search) {
  TargetChecker checker(model, ui, search);
  return ComputeRequirement(model, checker, ui, search, 100);
}

RequirementOutcome ComputeRequirement(const Model& model, TargetChecker& checker,
                                      UserInterface& ui, const TargetSearch& search,
                                      int progressEnd) {
  RequirementOutcome outcome;
  if (const auto refusal = ComputationRefusal(model)) {
    outcome.refusal = *refusal;
    return outcome;
  }
  // 1. Erlang C, period by period.
  const ErlangCOutcome erlang = ErlangCRequirement(model.inputs);
  if (erlang.refusal) {
    outcome.refusal = erlang.refusal;
    return outcome;
  }
  PeriodCounts servers = erlang.servers;
  // 2. Raise the periods that fall short until none does.
  std::optional<int> unmet = RaiseUntilMet(checker, servers, Precision::Double);
  ui.progress(Gauge::PctDone, progressEnd / 5);
  // 3. Lower one period at a time where the target still holds, then confirm in
  // extended precision, raising again where it finds a step short.
  if (!unmet) LowerWhileMet(checker, servers, ui, search, progressEnd / 5, progressEnd * 9 / 10);
  if (!unmet && !search.stopped()) unmet = RaiseUntilMet(checker, servers, Precision::Extended);
  outcome.stopped = search.stopped();
  if (outcome.stopped) return outcome;
  if (unmet) {
    outcome.refusal = CannotMeet(model.inputs, *unmet);
    return outcome;
  }
  ui.progress(Gauge::PctDone, progressEnd);
  outcome.requirement = StaffingRequirement{erlang.servers, servers};
  return outcome;
}

}  // namespace morvane
