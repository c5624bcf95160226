#include "target/service_check.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "base/silent_user_interface.h"
#include "engine/service_level.h"
#include "engine/time_dependent_solver.h"

namespace morvane {
namespace {

// The workers of a search: `threads`, or one per core when 0.
std::int32_t Workers(std::int32_t threads) {
  if (threads > 0) return threads;
  return std::max(1, static_cast<std::int32_t>(std::thread::hardware_concurrency()));
}

// A model that scores candidates: the scenario's inputs, no windows.
std::unique_ptr<Model> WorkModel(const Model& scenario) {
  auto work = std::make_unique<Model>();
  work->inputs = scenario.inputs;
  work->CriticalPWait = scenario.CriticalPWait;
  work->flags = {false, false, false, false};
  return work;
}

TargetCheck Score(Model& work, const ScenarioInputs& scenario, const PeriodCounts& servers,
                  Precision precision) {
  // The solver may widen the states or shorten the step; every check starts as the scenario does.
  work.inputs.MaxStates = scenario.MaxStates;
  work.inputs.TimeStepSeconds = scenario.TimeStepSeconds;
  PutServers(work, servers);
  SilentUserInterface quiet;
  TargetCheck check;
  if (!ComputeTimeDependent(work, quiet, precision)) {
    check.refused = true;
    return check;
  }
  const StepResults& steps = work.steps;
  const Real target = work.inputs.ServiceLevelTarget / 100;
  const std::vector<ServiceFigures> service = TimeDepServiceSteps(work);
  for (std::int32_t k = 0; k < steps.NumSteps; ++k) {
    if (!BelowTarget(steps.StepArrivalRate[k], service[k].level, target)) continue;
    const auto minute = static_cast<std::int32_t>(k * steps.StepMinutes);
    check.shortPeriod[std::min(minute / kMinutesPerPeriod, kPeriods - 1)] = true;
  }
  check.shortCount = static_cast<std::int32_t>(
      std::count(check.shortPeriod.begin(), check.shortPeriod.end(), true));
  return check;
}

}  // namespace

void PutServers(Model& model, const PeriodCounts& servers) {
  putServersByPeriod(model.staffing, servers);
  model.flags.UseBaseServers = false;
}

TargetChecker::TargetChecker(const Model& scenario, UserInterface& ui, const TargetSearch& search)
    : scenario_(scenario), ui_(ui), search_(search) {
  for (std::int32_t i = Workers(search.threads); i > 0; --i)
    models_.push_back(WorkModel(scenario));
}

TargetChecker::~TargetChecker() = default;

TargetCheck TargetChecker::check(const PeriodCounts& servers, Precision precision) {
  return check(std::vector<PeriodCounts>{servers}, precision).front();
}

std::vector<TargetCheck> TargetChecker::check(const std::vector<PeriodCounts>& candidates,
                                              Precision precision) {
  std::vector<TargetCheck> results(candidates.size());
  std::vector<PeriodCounts> unknown;
  for (const PeriodCounts& servers : candidates)
    if (!known_.contains({precision, servers}) &&
        std::find(unknown.begin(), unknown.end(), servers) == unknown.end())
      unknown.push_back(servers);
  std::vector<TargetCheck> scored(unknown.size());
  score(unknown, precision, scored);
  for (std::size_t i = 0; i < unknown.size() && !search_.stopped(); ++i)
    known_[{precision, unknown[i]}] = scored[i];
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const auto found = known_.find({precision, candidates[i]});
    if (found != known_.end()) results[i] = found->second;
    else results[i].refused = true;  // left unscored by a stop
  }
  return results;
}

// Each worker takes the next candidate until none is left or a stop comes;
// meanwhile this thread lets the windows breathe.
void TargetChecker::score(const std::vector<PeriodCounts>& candidates, Precision precision,
                          std::vector<TargetCheck>& results) {
  if (candidates.empty()) return;
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  const auto work = [&](Model& model) {
    for (std::size_t i = next++; i < candidates.size() && !search_.stopped(); i = next++) {
      results[i] = Score(model, scenario_.inputs, candidates[i], precision);
      ++done;
    }
  };
  const std::size_t workers = std::min(models_.size(), candidates.size());
  std::vector<std::jthread> threads;
  for (std::size_t w = 0; w < workers; ++w) threads.emplace_back(work, std::ref(*models_[w]));
  while (done.load() < candidates.size() && !search_.stopped()) {
    ui_.idle();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  threads.clear();  // joins
  evaluations_ += static_cast<std::int64_t>(done.load());
}

}  // namespace morvane
