// Asking the time-dependent engine whether given servers on duty in each period
// meet the service target: which periods hold a step with arrivals below it.
// Candidates are scored on worker threads, each with a model of its own, while
// the caller's thread lets the windows breathe; a candidate met again is looked
// up, not scored again.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "base/user_interface.h"
#include "engine/model.h"

namespace morvane {

// How a search for the target runs: the workers that score plans (0: one per
// core) and a flag the planner's Stop sets.
struct TargetSearch {
  std::int32_t threads = 0;
  const std::atomic<bool>* stop = nullptr;

  bool stopped() const { return stop != nullptr && stop->load(); }
};

struct TargetCheck {
  bool refused = false;                      // the engine could not run these servers
  std::array<bool, kPeriods> shortPeriod{};  // the period holds a step below target
  std::int32_t shortCount = 0;               // periods short

  bool met() const { return !refused && shortCount == 0; }
};

// The servers of every minute of the day from servers per period, in force in
// place of the base servers (the engine's input; no shifts are involved).
void PutServers(Model& model, const PeriodCounts& servers);

class TargetChecker {
 public:
  // The scenario's inputs, its state bound and time step are those of every check.
  TargetChecker(const Model& scenario, UserInterface& ui, const TargetSearch& search);
  ~TargetChecker();
  TargetChecker(const TargetChecker&) = delete;
  TargetChecker& operator=(const TargetChecker&) = delete;

  // Every candidate, in order. Candidates a stop left unscored come back refused:
  // after a stop the caller looks at search.stopped() before the results.
  std::vector<TargetCheck> check(const std::vector<PeriodCounts>& candidates, Precision precision);
  TargetCheck check(const PeriodCounts& servers, Precision precision);

  std::size_t workers() const { return models_.size(); }
  // The engine runs so far, lookups not counted.
  std::int64_t evaluations() const { return evaluations_; }

 private:
  void score(const std::vector<PeriodCounts>& candidates, Precision precision,
             std::vector<TargetCheck>& results);

  const Model& scenario_;
  UserInterface& ui_;
  TargetSearch search_;
  std::vector<std::unique_ptr<Model>> models_;  // one per worker
  std::map<std::pair<Precision, PeriodCounts>, TargetCheck> known_;
  std::int64_t evaluations_ = 0;
};

}  // namespace morvane
