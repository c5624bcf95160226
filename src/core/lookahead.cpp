#include "core/lookahead.h"

#include "core/ga_state.h"

namespace morvane {
namespace {

// Jobs kept handed in: the one the run waits for, and four per worker beyond
// it, so that no worker waits while another scores a slow plan (one that widens
// its state space takes several times as long). A lone worker could only score
// foreseen plans after the one the run waits for, which a kept move would
// waste: it scores that one alone.
int Depth(const EvaluationPool& workers) {
  return workers.threads() == 1 ? 1 : 4 * workers.threads() + 1;
}

}  // namespace

Lookahead::Lookahead() = default;
Lookahead::~Lookahead() = default;

std::optional<EngineFigures> Lookahead::figures(GAContext& context) {
  EvaluationPool& workers = pool(WorkerThreads(context.settings.Threads));
  const EngineJob job = JobOf(context.model);
  if (!foreseen_.empty() && foreseen_.front() == job) {
    foreseen_.pop_front();
  } else {
    foreseen_.clear();
    workers.forgetAllBut(job);
    workers.handIn(job, true);
    if (forecast_) forecast_->restart();
  }
  foresee(context, workers);
  const std::shared_ptr<const EngineOutcome> outcome = workers.take(job, context.ui);
  ReplayCalls(outcome->calls, context.ui, context.model);
  context.model.inputs.MaxStates = outcome->MaxStates;
  context.model.inputs.TimeStepSeconds = outcome->TimeStepSeconds;
  return outcome->figures;
}

void Lookahead::foresee(GAContext& context, EvaluationPool& workers) {
  if (!forecast_ || workers.handedIn() >= Depth(workers)) return;
  if (!scratch_) scratch_ = std::make_unique<Model>();
  ApplyJob(JobOf(context.model), *scratch_);
  const std::int32_t gaStates = context.state.GAStates;
  const Forecast::EngineTest reaches = [&](const GASolution& plan) {
    return InstallForEvaluation(*scratch_, gaStates, plan) && ReachesEngine(*scratch_);
  };
  while (workers.handedIn() < Depth(workers) && forecast_->next(reaches)) {
    foreseen_.push_back(JobOf(*scratch_));
    workers.handIn(foreseen_.back(), false, forecast_->leavesPath());
  }
}

EvaluationPool& Lookahead::pool(int threads) {
  if (pool_ && pool_->threads() != threads) release();
  if (!pool_) pool_ = std::make_unique<EvaluationPool>(threads);
  return *pool_;
}

void Lookahead::forget() {
  foreseen_.clear();
  if (pool_) pool_->forgetAll();
}

void Lookahead::release() {
  forget();
  pool_.reset();
  scratch_.reset();
}

Lookahead::Scope::Scope(Lookahead& lookahead, Forecast& forecast)
    : lookahead_(lookahead), previous_(lookahead.forecast_) {
  lookahead_.forget();
  lookahead_.forecast_ = &forecast;
}

Lookahead::Scope::~Scope() {
  lookahead_.forget();
  lookahead_.forecast_ = previous_;
}

}  // namespace morvane
