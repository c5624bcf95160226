#include "optimiser/lookahead.h"

#include "optimiser/ga_state.h"

namespace morvane {
namespace {

// Jobs foreseen but not yet reached: sixteen per worker, so that the others go
// on while one scores a slow plan (one that widens its state space takes up to
// forty times as long as the rest). A lone worker could only score foreseen
// plans after the one the run waits for, which a kept move would waste: it
// scores that one alone.
std::size_t Reach(const EvaluationPool& workers) {
  return workers.threads() == 1 ? 0 : static_cast<std::size_t>(16 * workers.threads());
}

}  // namespace

Lookahead::Lookahead() = default;
Lookahead::~Lookahead() = default;

std::optional<EngineFigures> Lookahead::figures(GAContext& context) {
  EvaluationPool& workers = pool(WorkerThreads(context.settings.Threads));
  const EngineJob job = JobOf(context.model, NeedsOf(context.settings));
  const bool foreseen = !foreseen_.empty() && foreseen_.front() == job;
  if (foreseen)
    foreseen_.pop_front();
  else
    workers.handIn(job, true);
  if (!foreseen || handedOver_)
    refocus(context, workers);
  else
    foresee(context, workers);
  const std::shared_ptr<const EngineOutcome> outcome =
      workers.take(job, context.ui, [&] { foresee(context, workers); });
  ReplayCalls(outcome->calls, context.ui, context.model);
  context.model.inputs.MaxStates = outcome->MaxStates;
  context.model.inputs.TimeStepSeconds = outcome->TimeStepSeconds;
  return outcome->figures;
}

void Lookahead::refocus(const GAContext& context, EvaluationPool& workers) {
  handedOver_ = false;
  for (const EngineJob& job : foreseen_) workers.withdraw(job);
  foreseen_.clear();
  workers.newPath();
  if (forecast_) {
    forecast_->restart();
    foresee(context, workers);
  }
  workers.purge();
}

void Lookahead::foresee(const GAContext& context, EvaluationPool& workers) {
  const auto more = [&] { return foreseen_.size() < Reach(workers) && !workers.offPath(); };
  if (!forecast_ || !more()) return;
  if (!scratch_) scratch_ = std::make_unique<Model>();
  ApplyJob(JobOf(context.model, NeedsOf(context.settings)), *scratch_);
  const Forecast::EngineTest reaches = [&](const GASolution& plan) {
    return InstallForEvaluation(*scratch_, context.state.GAStates, plan) &&
           ReachesEngine(*scratch_);
  };
  while (more() && forecast_->next(reaches)) {
    foreseen_.push_back(JobOf(*scratch_, NeedsOf(context.settings)));
    workers.handIn(foreseen_.back(), false, forecast_->leavesPath(),
                   forecast_->anyOrder() ? ExpectedWork(*scratch_) : 0);
  }
}

EvaluationPool& Lookahead::pool(int threads) {
  if (pool_ && pool_->threads() != threads) release();
  if (!pool_) pool_ = std::make_unique<EvaluationPool>(threads);
  return *pool_;
}

void Lookahead::release() {
  foreseen_.clear();
  pool_.reset();
  scratch_.reset();
}

Lookahead::Scope::Scope(Lookahead& lookahead, Forecast& forecast)
    : lookahead_(lookahead), previous_(lookahead.forecast_) {
  lookahead_.forecast_ = &forecast;
  lookahead_.handedOver_ = true;
}

Lookahead::Scope::~Scope() {
  lookahead_.forecast_ = previous_;
  lookahead_.handedOver_ = true;
}

}  // namespace morvane
