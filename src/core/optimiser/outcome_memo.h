// The outcomes of the engine jobs scored lately, so that a plan a run meets
// again (a child equal to a plan of an earlier generation, a move the hill
// climb tries again after keeping another) is not scored twice. Equal jobs give
// equal outcomes, so an outcome kept here is the one the engine would give.
// It holds at most `capacity` jobs and forgets the oldest first.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <unordered_map>

#include "optimiser/engine_job.h"

namespace morvane {

class OutcomeMemo {
 public:
  explicit OutcomeMemo(std::size_t capacity) : capacity_(capacity) {}

  // The outcome of an equal job kept before, or nothing.
  std::shared_ptr<const EngineOutcome> find(const EngineJob& job) const;
  void keep(const EngineJob& job, std::shared_ptr<const EngineOutcome> outcome);
  std::size_t size() const { return outcomes_.size(); }

 private:
  struct JobHash {
    std::size_t operator()(const EngineJob& job) const;
  };

  std::size_t capacity_;
  std::unordered_map<EngineJob, std::shared_ptr<const EngineOutcome>, JobHash> outcomes_;
  std::deque<const EngineJob*> oldestFirst_;  // keys of outcomes_, which stay put
};

}  // namespace morvane
