// The worker threads' pool on plans of the quick test scenario: jobs scored
// once however often they are handed in, the job the run waits for scored
// whatever the jobs before it did, and the engine's calls replayed in order.
#include "optimiser/evaluation_pool.h"

#include <gtest/gtest.h>

#include "optimiser/evaluation.h"
#include "ga_scenario.h"

namespace morvane {
namespace {

using testing::GAScenario;

// The job of a plan with `fullTimers` starting at midnight and at noon.
EngineJob JobFor(GAScenario& s, std::int32_t fullTimers) {
  GASolution plan;
  plan.FullTimeStarts[0] = plan.FullTimeStarts[48] = fullTimers;
  EXPECT_TRUE(InstallForEvaluation(s.model, 100, plan) && ReachesEngine(s.model));
  return JobOf(s.model, {});
}

TEST(EvaluationPool, AJobHandedInTwiceIsScoredOnceAndAsOnTheRunsModel) {
  GAScenario s;
  const EngineJob job = JobFor(s, 7);
  EvaluationPool pool(2);
  pool.handIn(job, false);
  pool.handIn(job, false);
  const auto first = pool.take(job, s.ui, [] {});
  const auto second = pool.take(job, s.ui, [] {});
  EXPECT_EQ(first.get(), second.get());
  const auto figures = TimeDependentFigures(s.model, s.ui, {});
  ASSERT_TRUE(first->figures && figures);
  EXPECT_EQ(first->figures->PersonHours, figures->PersonHours);
  EXPECT_EQ(first->MaxStates, s.model.inputs.MaxStates);
}

// A foreseen job whose outcome leaves the path drops the jobs foreseen after
// it, but never the one the run already waits for.
TEST(EvaluationPool, TheJobTheRunWaitsForIsNeverDropped) {
  GAScenario s;
  const EngineJob kept = JobFor(s, 7);
  const EngineJob next = JobFor(s, 8);
  EvaluationPool pool(1);
  pool.handIn(kept, false, [](const EngineFigures&) { return true; });
  pool.handIn(next, false);
  EXPECT_TRUE(pool.take(next, s.ui, [] {})->figures);
  EXPECT_TRUE(pool.take(kept, s.ui, [] {})->figures);
}

// A job met again after it was taken is not scored again; a job that differs in
// its starts, state bound, time step, precision or service figures is.
TEST(EvaluationPool, AJobMetAgainTakesTheOutcomeKept) {
  GAScenario s;
  const EngineJob job = JobFor(s, 7);
  EvaluationPool pool(1);
  const auto first = pool.take(job, s.ui, [] {});
  pool.purge();
  pool.handIn(job, false);
  EXPECT_EQ(pool.take(job, s.ui, [] {}).get(), first.get());
  EngineJob wider = job;
  wider.inputs.MaxStates = 150;
  EngineJob shorter = job;
  shorter.inputs.TimeStepSeconds = 30;
  EngineJob fast = job;
  fast.needs.precision = Precision::Double;
  EngineJob serviceless = job;
  serviceless.needs.serviceFigures = false;
  for (const EngineJob& other : {JobFor(s, 8), wider, shorter, fast, serviceless})
    EXPECT_NE(pool.take(other, s.ui, [] {}).get(), first.get());
}

TEST(OutcomeMemo, ForgetsTheOldestBeyondItsCapacity) {
  GAScenario s;
  OutcomeMemo memo(2);
  std::vector<EngineJob> jobs;
  for (std::int32_t fullTimers : {7, 8, 9}) {
    jobs.push_back(JobFor(s, fullTimers));
    memo.keep(jobs.back(), std::make_shared<const EngineOutcome>());
  }
  memo.keep(jobs[2], nullptr);  // kept already: the outcome stays
  EXPECT_EQ(memo.size(), 2u);
  EXPECT_FALSE(memo.find(jobs[0]));
  EXPECT_TRUE(memo.find(jobs[1]) && memo.find(jobs[2]));
  OutcomeMemo none(0);
  none.keep(jobs[0], std::make_shared<const EngineOutcome>());
  EXPECT_FALSE(none.find(jobs[0]));
}

// The engine's calls come back in order; a changed value is in the model when
// its box hears of it.
TEST(RecordingUserInterface, ReplaysTheCallsWithTheValuesAsTheyStood) {
  GAScenario worker;
  RecordingUserInterface recorder(worker.model);
  recorder.reportLine("first");
  worker.model.inputs.MaxStates = 150;
  recorder.valueChanged(ShownValue::MaxStates);
  recorder.pause(50);
  recorder.progress(Gauge::PctDone, 40);
  worker.model.inputs.MaxStates = 200;
  recorder.valueChanged(ShownValue::MaxStates);
  recorder.reportLine("second");
  struct Shown : testing::ScriptedUserInterface {
    const Model* model = nullptr;
    std::vector<std::int32_t> states;
    void valueChanged(ShownValue) override { states.push_back(model->inputs.MaxStates); }
  } run;
  GAScenario main;
  run.model = &main.model;
  ReplayCalls(recorder.takeCalls(), run, main.model);
  EXPECT_EQ(run.report, (std::vector<std::string>{"second", "first"}));
  EXPECT_EQ(run.states, (std::vector<std::int32_t>{150, 200}));
  EXPECT_EQ(run.pauses, std::vector<int>{50});
  EXPECT_EQ(run.pctDone, std::vector<int>{40});
}

}  // namespace
}  // namespace morvane
