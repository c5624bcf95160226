// Evaluation ahead of a GA run. The run itself stays serial on its own thread:
// it draws, installs, tests, reports and pauses in the order the algorithm
// gives. Only the queue engine runs on worker threads. A forecast follows the
// run's steps ahead of it, with a copy of its random generator, on the
// assumption that every plan it evaluates is accepted (not a duplicate, not a
// move worth keeping); the plans it foresees are scored while the run reports
// the ones before. When the run reaches an evaluation it takes the outcome of
// the equal job; when the run left the foreseen path (a duplicate, a kept move,
// a time step that an evaluation shortened, a changed state bound or setting),
// no foreseen job equals its own, and foresight starts again from there. So
// everything the run reports and keeps is the same for any number of workers.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "optimiser/engine_job.h"
#include "optimiser/evaluation_pool.h"

namespace morvane {

struct GAContext;

class Forecast {
 public:
  // Installs a foreseen plan in a scratch model (steps 1-3 of the evaluation)
  // and tells whether it reaches the queue engine (step 6).
  using EngineTest = std::function<bool(const GASolution&)>;

  virtual ~Forecast() = default;
  // Foresight starts again just after the plan the run is evaluating now.
  virtual void restart() = 0;
  // Foresees the next plan that reaches the engine, leaving it installed by
  // `reaches`; false when the forecast cannot see further.
  virtual bool next(const EngineTest& reaches) = 0;
  // Whether the figures of the plan foreseen last would make the run leave
  // the foreseen path (nothing: only a shorter time step does).
  virtual EvaluationPool::PathTest leavesPath() const { return {}; }
  // Whether the run seldom leaves the path, so that workers may score the plans
  // foreseen in any order (the slowest first) without scoring many in vain.
  virtual bool anyOrder() const { return false; }
};

class Lookahead {
 public:
  Lookahead();
  ~Lookahead();
  Lookahead(const Lookahead&) = delete;
  Lookahead& operator=(const Lookahead&) = delete;

  // The engine step of EvaluateInRun for the plan installed in context.model:
  // its figures, scored on a worker (ahead of time when it was foreseen), with
  // what the engine said replayed through context.ui and MaxStates and
  // TimeStepSeconds left in context.model as the engine left them.
  std::optional<EngineFigures> figures(GAContext& context);

  // Ends the worker threads and frees their models; the next evaluation starts
  // them again (with settings.Threads workers, one per core when 0).
  void release();

  // While a scope lives, `forecast` foresees the run's next evaluations. Jobs
  // foreseen before it stay handed in as long as it foresees them too.
  class Scope {
   public:
    Scope(Lookahead& lookahead, Forecast& forecast);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    Lookahead& lookahead_;
    Forecast* previous_;
  };

 private:
  EvaluationPool& pool(int threads);
  // The forecast starts again after the plan being evaluated; jobs foreseen
  // before that it foresees again stay handed in (in its order), the others
  // are withdrawn.
  void refocus(const GAContext& context, EvaluationPool& workers);
  // Hands in foreseen jobs until the workers have enough ahead.
  void foresee(const GAContext& context, EvaluationPool& workers);

  std::unique_ptr<EvaluationPool> pool_;
  std::unique_ptr<Model> scratch_;  // where foreseen plans are installed and tested
  Forecast* forecast_ = nullptr;
  bool handedOver_ = false;         // the forecast changed since the last evaluation
  std::deque<EngineJob> foreseen_;  // handed in, in the order the run will reach them
};

}  // namespace morvane
