// Speed of the queue engine: the per-minute steady state, whole time-dependent
// runs (default, 10-second step, heavy load widening to 500 states) and one day
// of the Runge-Kutta sweep at 1440 steps x 100 states, without and with callers
// who hang up, the runs and the sweep in extended and in double precision.
#include <benchmark/benchmark.h>

#include "engine/day_sweep.h"
#include "engine/model.h"
#include "engine/steady_state.h"
#include "engine/time_dependent_solver.h"
#include "base/silent_user_interface.h"

namespace {

using namespace morvane;

void BM_SteadyStateMinutes(benchmark::State& state) {
  Model model;
  installBaseStaffing(model);
  SilentUserInterface ui;
  for (auto _ : state) {
    ComputeSteadyState(model, ui);
    benchmark::DoNotOptimize(model.minutes.SteadyMean.data());
  }
}
BENCHMARK(BM_SteadyStateMinutes)->Unit(benchmark::kMillisecond);

// A whole run from the given inputs; the solver may change MaxStates and the
// step, so every iteration starts again from the same inputs.
void Solve(benchmark::State& state, const ScenarioInputs& inputs, Precision precision) {
  Model model;
  model.inputs = inputs;
  installBaseStaffing(model);
  SilentUserInterface ui;
  for (auto _ : state) {
    model.inputs = inputs;
    ComputeTimeDependent(model, ui, precision);
    benchmark::DoNotOptimize(model.steps.TotalPersonHours);
  }
  state.counters["days"] = model.steps.Days;
  state.counters["MaxStates"] = model.inputs.MaxStates;
}

void BM_DefaultSolve(benchmark::State& state, Precision precision) {
  Solve(state, ScenarioInputs{}, precision);
}
BENCHMARK_CAPTURE(BM_DefaultSolve, extended, Precision::Extended)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DefaultSolve, double, Precision::Double)->Unit(benchmark::kMillisecond);

void BM_TenSecondStepSolve(benchmark::State& state, Precision precision) {
  ScenarioInputs inputs;
  inputs.TimeStepSeconds = 10;
  Solve(state, inputs, precision);
}
BENCHMARK_CAPTURE(BM_TenSecondStepSolve, extended, Precision::Extended)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TenSecondStepSolve, double, Precision::Double)
    ->Unit(benchmark::kMillisecond);

// Load 10 / (6 x 1.7) = 0.98: the top state keeps probability up to 500 states.
void BM_HeavyLoadSolve(benchmark::State& state, Precision precision) {
  ScenarioInputs inputs;
  inputs.DemandAmplitude = 0;
  inputs.ServiceRate = 1.7L;
  Solve(state, inputs, precision);
}
BENCHMARK_CAPTURE(BM_HeavyLoadSolve, extended, Precision::Extended)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeavyLoadSolve, double, Precision::Double)->Unit(benchmark::kMillisecond);

// One day at 1440 steps x 100 states from the starting estimate of the defaults;
// the second argument is the callers' mean patience in seconds (0: nobody hangs up).
void BM_SweepDay(benchmark::State& state, Precision precision) {
  Model model;
  installBaseStaffing(model);
  model.inputs.PatienceSeconds = static_cast<std::int32_t>(state.range(0));
  SilentUserInterface ui;
  model.steps.precision = precision;
  PrepareStepGrid(model);
  FillStartingEstimate(model, ui);
  const ScenarioInputs& in = model.inputs;
  for (auto _ : state) {
    const DaySweepResult day = SweepDay(model.steps, in.ServiceRate, in.TimeStepSeconds,
                                        in.MaxStates, DayStart::Closed, AbandonRate(in));
    benchmark::DoNotOptimize(day.maxChange);
  }
}
BENCHMARK_CAPTURE(BM_SweepDay, extended, Precision::Extended)
    ->Arg(0)
    ->Arg(180)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SweepDay, double, Precision::Double)
    ->Arg(0)
    ->Arg(180)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
