// Speed of the schedule optimisation on the default scenario: one evaluation
// of a staffing plan on the caller's thread, in extended and in double
// precision; evaluations per second of GA work at 1 and 2 worker threads
// (generations, whose plans are foreseen far ahead, and the hill climb, whose
// kept moves throw foresight away); and the wall time of the default GA run
// (seed 139753, population 25, 100 generations, maximum cost 2000, improvement
// of the last plan on) in both precisions at 1 and 2 worker threads.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "optimiser/evaluation.h"
#include "optimiser/ga_run.h"
#include "optimiser/random_solution.h"
#include "base/silent_user_interface.h"

namespace {

using namespace morvane;

struct DefaultScenario {
  Model model;
  GASettings settings;
  std::unique_ptr<GAState> state = std::make_unique<GAState>();
  SilentUserInterface ui;
  GAObserver observer;
  GAContext context{model, settings, *state, ui, observer, kFixedLocale};

  explicit DefaultScenario(int threads, Precision precision = Precision::Extended) {
    ResetGASettings(settings, model);  // MaxCost 2000
    model.flags = {false, false, false, false};
    settings.Threads = threads;
    settings.Evaluation = precision;
    state->random.seed(settings.RandomSeed);
  }
};

void BM_EvaluatePlan(benchmark::State& state, Precision precision) {
  DefaultScenario scenario(1, precision);
  std::vector<GASolution> plans(25);
  for (GASolution& plan : plans) generate_random_solution(scenario.context, plan);
  std::size_t next = 0;
  for (auto _ : state) {
    GASolution& plan = plans[next++ % plans.size()];
    benchmark::DoNotOptimize(
        evaluate_chromosome(scenario.model, scenario.settings, 100, plan, scenario.ui));
  }
  state.counters["evaluations/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_EvaluatePlan, extended, Precision::Extended)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EvaluatePlan, double, Precision::Double)->Unit(benchmark::kMillisecond);

// Evaluations per second of the wall clock: the engine runs on the workers.
void EvaluationRate(benchmark::State& state, std::int32_t generations, bool improveLast) {
  double evaluations = 0;
  for (auto _ : state) {
    DefaultScenario scenario(static_cast<int>(state.range(0)));
    scenario.settings.MaxGenerations = generations;
    scenario.settings.ImproveLast = improveLast;
    DoGAClick(scenario.context);
    evaluations += static_cast<double>(scenario.state->Evaluations);
  }
  state.counters["evaluations/s"] = benchmark::Counter(evaluations, benchmark::Counter::kIsRate);
}

// The initial population and 5 generations of the default run.
void BM_GenerationsRate(benchmark::State& state) { EvaluationRate(state, 5, false); }
BENCHMARK(BM_GenerationsRate)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

// The initial population and the hill climb of its best plan.
void BM_HillClimbRate(benchmark::State& state) { EvaluationRate(state, 0, true); }
BENCHMARK(BM_HillClimbRate)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

// The argument is the number of worker threads.
void BM_DefaultRun(benchmark::State& state, Precision precision) {
  for (auto _ : state) {
    DefaultScenario scenario(static_cast<int>(state.range(0)), precision);
    const RunResult result = DoGAClick(scenario.context);
    state.counters["generations"] = result.generations;
    state.counters["evaluations"] = static_cast<double>(scenario.state->Evaluations);
    state.counters["best"] = static_cast<double>(result.best.value);
  }
}
BENCHMARK_CAPTURE(BM_DefaultRun, extended, Precision::Extended)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_DefaultRun, double, Precision::Double)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
