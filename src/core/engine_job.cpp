#include "core/engine_job.h"

#include "core/schedule_plan.h"

namespace morvane {

EngineJob JobOf(const Model& model) {
  EngineJob job;
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
  if (!ScheduleGridExit(model)) outcome.figures = RunEngine(model, recorder);
  outcome.MaxStates = model.inputs.MaxStates;
  outcome.TimeStepSeconds = model.inputs.TimeStepSeconds;
  outcome.calls = recorder.takeCalls();
  return outcome;
}

}  // namespace morvane
