#include "core/lookahead.h"

#include "core/ga_state.h"

namespace morvane {
namespace {

// Jobs foreseen beyond the one the run waits for: four per worker, so that no
// worker waits while another scores a slow plan (one that widens its state
// space takes several times as long). A lone worker could only score foreseen
// plans after the one the run waits for, which a kept move would waste: it
// scores that one alone.
int Ahead(const EvaluationPool& workers) {
  return workers.threads() == 1 ? 0 : 4 * workers.threads();
}

}  // namespace

Lookahead::Lookahead() = default;
Lookahead::~Lookahead() = default;

std::optional<EngineFigures> Lookahead::figures(GAContext& context) {
  EvaluationPool& workers = pool(WorkerThreads(context.settings.Threads));
  const EngineJob job = JobOf(context.model);
  const bool foreseen = !foreseen_.empty() && foreseen_.front() == job;
  if (foreseen)
    foreseen_.pop_front();
  else
    workers.handIn(job, true);
  if (!foreseen || handedOver_)
    refocus(context, workers);
  else
    foresee(context, workers);
  const std::shared_ptr<const EngineOutcome> outcome = workers.take(job, context.ui);
  ReplayCalls(outcome->calls, context.ui, context.model);
  context.model.inputs.MaxStates = outcome->MaxStates;
  context.model.inputs.TimeStepSeconds = outcome->TimeStepSeconds;
  return outcome->figures;
}

void Lookahead::refocus(const GAContext& context, EvaluationPool& workers) {
  handedOver_ = false;
  const std::deque<EngineJob> before = std::move(foreseen_);
  foreseen_.clear();
  if (forecast_) {
    forecast_->restart();
    foresee(context, workers);
  }
  for (const EngineJob& job : before) workers.withdraw(job);
}

void Lookahead::foresee(const GAContext& context, EvaluationPool& workers) {
  const auto ahead = static_cast<std::size_t>(Ahead(workers));
  if (!forecast_ || foreseen_.size() >= ahead) return;
  if (!scratch_) scratch_ = std::make_unique<Model>();
  ApplyJob(JobOf(context.model), *scratch_);
  const Forecast::EngineTest reaches = [&](const GASolution& plan) {
    return InstallForEvaluation(*scratch_, context.state.GAStates, plan) &&
           ReachesEngine(*scratch_);
  };
  while (foreseen_.size() < ahead && forecast_->next(reaches)) {
    foreseen_.push_back(JobOf(*scratch_));
    workers.handIn(foreseen_.back(), false, forecast_->leavesPath());
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
