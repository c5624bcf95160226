// One evaluation's engine step as a job for a worker thread: everything that
// decides the queue engine's figures for a plan, and what the engine gave back.
// Two equal jobs give the same figures, the same report lines and the same
// MaxStates and TimeStepSeconds, on any model, so a job scored ahead of time
// can stand in for the one a run reaches later.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "optimiser/evaluation.h"
#include "engine/model.h"
#include "optimiser/recording_user_interface.h"

namespace morvane {

struct EngineJob {
  ScenarioInputs inputs;  // MaxStates is the evaluation's state bound
  Real CriticalPWait = 0;
  ModeFlags flags;
  std::array<PeriodCounts, 2> DutyTemplate{};
  bool FullTimeWraps = true;
  bool PartTimeWraps = true;
  std::array<PeriodCounts, 2> StartTimes{};  // the plan
  EvaluationNeeds needs;  // what the engine step computes

  bool operator==(const EngineJob&) const = default;
};

// The job of the plan that InstallForEvaluation left in `model`, scored with `needs`.
EngineJob JobOf(const Model& model, const EvaluationNeeds& needs);

// The job's scenario, flags, templates and plan into `model`, the plan not yet
// computed (ScheduleGridExit has still to run).
void ApplyJob(const EngineJob& job, Model& model);

struct EngineOutcome {
  std::optional<EngineFigures> figures;  // nothing when the engine refused
  std::int32_t MaxStates = 0;            // as the solver left them
  std::int32_t TimeStepSeconds = 0;
  std::vector<RecordedCall> calls;  // what the engine said, in order
};

// Scores the job on `model`, whose results are overwritten.
EngineOutcome RunEngineJob(const EngineJob& job, Model& model);

// A rough guess of how long the engine takes on the plan installed in `model`:
// the demand above 90 % of the service capacity, summed over the periods of the
// day (lambda(t) - 0.9 s(t) mu where positive, at each period's middle). Queues
// that build up make the solver widen its state space and repeat its days, up
// to forty times as long as a plan that keeps up.
double ExpectedWork(const Model& model);

}  // namespace morvane
