#include "optimiser/outcome_memo.h"

#include <functional>

namespace morvane {

// Plans of one run differ in their starts and, now and then, in the state bound
// and time step; the rest of a job is the same scenario throughout.
std::size_t OutcomeMemo::JobHash::operator()(const EngineJob& job) const {
  std::size_t hash = std::hash<std::int32_t>{}(job.inputs.MaxStates);
  const auto mix = [&](std::int64_t value) {
    hash ^= std::hash<std::int64_t>{}(value) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
  };
  mix(job.inputs.TimeStepSeconds);
  for (const PeriodCounts& starts : job.StartTimes)
    for (const std::int32_t count : starts) mix(count);
  return hash;
}

std::shared_ptr<const EngineOutcome> OutcomeMemo::find(const EngineJob& job) const {
  const auto it = outcomes_.find(job);
  return it == outcomes_.end() ? nullptr : it->second;
}

void OutcomeMemo::keep(const EngineJob& job, std::shared_ptr<const EngineOutcome> outcome) {
  if (capacity_ == 0) return;
  const auto [it, added] = outcomes_.try_emplace(job, std::move(outcome));
  if (!added) return;
  oldestFirst_.push_back(&it->first);
  if (oldestFirst_.size() <= capacity_) return;
  outcomes_.erase(*oldestFirst_.front());
  oldestFirst_.pop_front();
}

}  // namespace morvane
