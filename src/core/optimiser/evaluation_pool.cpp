#include "optimiser/evaluation_pool.h"

#include <algorithm>
#include <chrono>

namespace morvane {
namespace {

// How long the run's thread waits for a worker before the windows get a turn.
constexpr std::chrono::milliseconds kIdleEvery{15};
// Outcomes kept for plans met again: a few generations' worth at the largest
// population, a few megabytes.
constexpr std::size_t kOutcomesKept = 4096;

}  // namespace

struct EvaluationPool::Entry {
  Entry(const EngineJob& j, PathTest test) : job(j), leavesPath(std::move(test)) {}
  const EngineJob job;
  const PathTest leavesPath;
  long order = 0;  // where the run needs it: the jobs needed now first, then those foreseen
  double expectedWork = 0;
  int uses = 0;  // times handed in and not yet taken or withdrawn
  bool queued = false;
  bool started = false;
  bool done = false;
  bool awaited = false;  // the run waits for it: it is never dropped
  std::shared_ptr<const EngineOutcome> outcome;
  std::exception_ptr error;

  // A shorter time step changes every job after it, and a kept move the plan
  // that every move after it starts from. A job no longer used tells nothing.
  bool leftPath() const {
    if (error || uses == 0) return false;
    if (outcome->TimeStepSeconds != job.inputs.TimeStepSeconds) return true;
    return leavesPath && outcome->figures && leavesPath(*outcome->figures);
  }
};

EvaluationPool::EvaluationPool(int threads) : scored_(kOutcomesKept) {
  for (int i = 0; i < std::max(threads, 1); ++i) workers_.emplace_back([this] { work(); });
}

EvaluationPool::~EvaluationPool() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  workReady_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

bool EvaluationPool::offPath() const {
  std::lock_guard lock(mutex_);
  return offPath_;
}

void EvaluationPool::newPath() {
  std::lock_guard lock(mutex_);
  offPath_ = false;
}

std::shared_ptr<EvaluationPool::Entry> EvaluationPool::find(const EngineJob& job) const {
  const auto it = std::find_if(known_.begin(), known_.end(),
                               [&](const auto& entry) { return entry->job == job; });
  return it == known_.end() ? nullptr : *it;
}

void EvaluationPool::queue(const std::shared_ptr<Entry>& entry, bool now) {
  if (entry->queued) unqueue(entry);
  entry->queued = true;
  if (now) {
    entry->order = --firstOrder_;
    queue_.push_front(entry);
  } else {
    entry->order = ++lastOrder_;
    queue_.push_back(entry);
  }
  workReady_.notify_one();
}

void EvaluationPool::unqueue(const std::shared_ptr<Entry>& entry) {
  queue_.erase(std::find(queue_.begin(), queue_.end(), entry));
  entry->queued = false;
}

void EvaluationPool::handIn(const EngineJob& job, bool now, PathTest leavesPath,
                            double expectedWork) {
  std::lock_guard lock(mutex_);
  std::shared_ptr<Entry> entry = find(job);
  if (!entry) {
    entry = known_.emplace_back(std::make_shared<Entry>(job, std::move(leavesPath)));
    entry->expectedWork = expectedWork;
    entry->outcome = scored_.find(job);
    entry->started = entry->done = entry->outcome != nullptr;
  }
  if (!entry->started) queue(entry, now);
  ++entry->uses;
}

std::shared_ptr<const EngineOutcome> EvaluationPool::take(const EngineJob& job, UserInterface& ui,
                                                          const std::function<void()>& meanwhile) {
  std::unique_lock lock(mutex_);
  std::shared_ptr<Entry> entry = find(job);
  if (!entry) {
    if (auto outcome = scored_.find(job)) return outcome;
    entry = known_.emplace_back(std::make_shared<Entry>(job, PathTest{}));
    entry->uses = 1;
  }
  if (!entry->started && !entry->queued) queue(entry, true);
  entry->awaited = true;
  for (long seen = doneCount_; !entry->done; seen = doneCount_) {
    jobDone_.wait_for(lock, kIdleEvery, [&] { return doneCount_ != seen; });
    if (entry->done) break;
    lock.unlock();
    meanwhile();
    ui.idle();
    lock.lock();
  }
  if (--entry->uses == 0) known_.remove(entry);
  if (entry->error) std::rethrow_exception(entry->error);
  return entry->outcome;
}

void EvaluationPool::withdraw(const EngineJob& job) {
  std::lock_guard lock(mutex_);
  const std::shared_ptr<Entry> entry = find(job);
  if (!entry || --entry->uses > 0 || !entry->queued) return;
  unqueue(entry);
}

void EvaluationPool::purge() {
  std::lock_guard lock(mutex_);
  known_.remove_if([](const auto& entry) { return entry->uses == 0; });
}

void EvaluationPool::dropAfter(long order) {
  offPath_ = true;
  for (auto it = queue_.begin(); it != queue_.end();) {
    if ((*it)->order > order && !(*it)->awaited) {
      (*it)->queued = false;
      it = queue_.erase(it);
    } else {
      ++it;
    }
  }
}

std::shared_ptr<EvaluationPool::Entry> EvaluationPool::nextForWorker() {
  const auto needed = [](const auto& entry) { return entry->order < 0 || entry->awaited; };
  auto it = std::find_if(queue_.begin(), queue_.end(), needed);
  if (it == queue_.end())
    it = std::max_element(queue_.begin(), queue_.end(), [](const auto& a, const auto& b) {
      return a->expectedWork < b->expectedWork;
    });
  return *it;
}

void EvaluationPool::work() {
  const auto model = std::make_unique<Model>();
  std::unique_lock lock(mutex_);
  for (;;) {
    workReady_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
    if (stopping_) return;
    const std::shared_ptr<Entry> entry = nextForWorker();
    unqueue(entry);
    entry->started = true;
    lock.unlock();
    EngineOutcome outcome;
    std::exception_ptr error;
    try {
      outcome = RunEngineJob(entry->job, *model);
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    entry->outcome = std::make_shared<const EngineOutcome>(std::move(outcome));
    if (!error) scored_.keep(entry->job, entry->outcome);
    entry->error = error;
    entry->done = true;
    ++doneCount_;
    if (entry->leftPath()) dropAfter(entry->order);
    jobDone_.notify_all();
  }
}

}  // namespace morvane
