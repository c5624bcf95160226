#include "optimiser/engine_job.h"

#include <algorithm>

#include "engine/arrival_rate.h"
#include "staffing/schedule_plan.h"

namespace morvane {

EngineJob JobOf(const Model& model, const EvaluationNeeds& needs) {
  EngineJob job;
  job.needs = needs;
  job.inputs = model.inputs;
  job.CriticalPWait = model.CriticalPWait;
  job.flags = model.flags;
  job.DutyTemplate = model.staffing.DutyTemplate;
  job.FullTimeWraps = model.staffing.FullTimeWraps;
  job.PartTimeWraps = model.staffing.PartTimeWraps;
  job.StartTimes = model.staffing.StartTimes;
  return job;
}

void ApplyJob(const EngineJob& job, Model& model) {
  model.inputs = job.inputs;
  model.CriticalPWait = job.CriticalPWait;
  model.flags = job.flags;
  model.staffing.DutyTemplate = job.DutyTemplate;
  model.staffing.FullTimeWraps = job.FullTimeWraps;
  model.staffing.PartTimeWraps = job.PartTimeWraps;
  model.staffing.StartTimes = job.StartTimes;
}

EngineOutcome RunEngineJob(const EngineJob& job, Model& model) {
  ApplyJob(job, model);
  EngineOutcome outcome;
  RecordingUserInterface recorder(model);
  // The run installed the same plan before it handed the job on, so it computes.
  // A worker's per-minute steady-state tables are never shown, so they are not
  // computed; the figures do not depend on them.
  if (!ScheduleGridExit(model))
    outcome.figures = TimeDependentFigures(model, recorder, job.needs);
  outcome.MaxStates = model.inputs.MaxStates;
  outcome.TimeStepSeconds = model.inputs.TimeStepSeconds;
  outcome.calls = recorder.takeCalls();
  return outcome;
}

double ExpectedWork(const Model& model) {
  const PeriodCounts& onDuty = model.staffing.OnDutyByPeriod[OnDutyTotal];
  double deficit = 0;
  for (int p = 0; p < kPeriods; ++p) {
    const Real middle = (p + 0.5L) * kMinutesPerPeriod;
    const Real capacity = 0.9L * onDuty[p] * model.inputs.ServiceRate;
    deficit +=
        static_cast<double>(std::max(ArrivalRateAt(model.inputs, middle) - capacity, Real{0}));
  }
  return deficit;
}

}  // namespace morvane
