// Worker threads that score engine jobs, each on a Model of its own (its
// tables grow with the time steps of the jobs, so memory grows with the
// number of workers). The run's thread hands jobs in, those it foresees at the
// back of the queue in the order it will need them and the one it needs now at
// the front, and takes their outcomes in its own order; a job handed in again
// before it is taken is scored once. A free worker takes the job needed now,
// else the waiting job of most expected work (the first of equals), so that slow
// jobs do not hold the run up at its end. Only the run's thread calls these methods.
//
// An outcome that takes the run off the foreseen path (it shortened the time
// step, or its job's own test says so) drops the jobs foreseen after it that
// no worker has started, so that the workers are free for the run's new path.
//
// Outcomes are kept for a while, so that a job met again is not scored again.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "optimiser/engine_job.h"
#include "optimiser/outcome_memo.h"
#include "base/user_interface.h"

namespace morvane {

class EvaluationPool {
 public:
  explicit EvaluationPool(int threads);
  ~EvaluationPool();
  EvaluationPool(const EvaluationPool&) = delete;
  EvaluationPool& operator=(const EvaluationPool&) = delete;

  int threads() const { return static_cast<int>(workers_.size()); }
  // A job scored since the last newPath left the foreseen path: foresight
  // beyond it would be wasted.
  bool offPath() const;
  void newPath();

  // Whether figures would take the run off the foreseen path. It runs on a
  // worker thread, so it reads only what it holds.
  using PathTest = std::function<bool(const EngineFigures&)>;

  // Hands a job in, behind the jobs waiting for a worker (a job handed in
  // before and still waiting moves there too); `now` puts it before them.
  // `expectedWork` orders the jobs that are not needed now.
  void handIn(const EngineJob& job, bool now, PathTest leavesPath = {}, double expectedWork = 0);
  // The outcome of a job, once a worker has scored it (one dropped or never
  // handed in is handed in now). Whenever another job is done, and at least
  // every few milliseconds, it calls `meanwhile` and lets the windows idle
  // through `ui`. A worker's exception is thrown here.
  std::shared_ptr<const EngineOutcome> take(const EngineJob& job, UserInterface& ui,
                                            const std::function<void()>& meanwhile);
  // One hand-in of the job fewer; a job left without one no longer waits for
  // a worker, but can be handed in again until the next purge.
  void withdraw(const EngineJob& job);
  // Forgets the jobs left without a hand-in; those being scored are dropped when done.
  void purge();

 private:
  struct Entry;
  std::shared_ptr<Entry> find(const EngineJob& job) const;
  void queue(const std::shared_ptr<Entry>& entry, bool now);
  std::shared_ptr<Entry> nextForWorker();
  void unqueue(const std::shared_ptr<Entry>& entry);
  void dropAfter(long order);
  void work();

  mutable std::mutex mutex_;
  std::condition_variable workReady_;
  std::condition_variable jobDone_;
  std::list<std::shared_ptr<Entry>> known_;   // handed in and not yet taken
  std::deque<std::shared_ptr<Entry>> queue_;  // waiting for a worker
  OutcomeMemo scored_;                        // outcomes of the jobs scored lately
  long lastOrder_ = 0;                        // of the job foreseen last
  long firstOrder_ = 0;                       // of the job needed now last
  long doneCount_ = 0;                        // jobs scored so far
  bool offPath_ = false;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace morvane
