// Speed of the schedule optimisation: evaluations of staffing plans per second
// on the default scenario, and the wall time of the default GA run (seed
// 139753, population 25, 100 generations, maximum cost 2000, improvement of
// the last plan on).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/evaluation.h"
#include "core/ga_run.h"
#include "core/random_solution.h"
#include "silent_user_interface.h"

namespace {

using namespace morvane;

struct DefaultScenario {
  Model model;
  GASettings settings;
  std::unique_ptr<GAState> state = std::make_unique<GAState>();
  SilentUserInterface ui;
  GAObserver observer;
  GAContext context{model, settings, *state, ui, observer, kFixedLocale};

  DefaultScenario() {
    ResetGASettings(settings, model);  // MaxCost 2000
    model.flags = {false, false, false, false};
    state->random.seed(settings.RandomSeed);
  }
};

void BM_EvaluatePlan(benchmark::State& state) {
  DefaultScenario scenario;
  std::vector<GASolution> plans(25);
  for (GASolution& plan : plans) generate_random_solution(scenario.context, plan);
  std::size_t next = 0;
  for (auto _ : state) {
    GASolution& plan = plans[next++ % plans.size()];
    benchmark::DoNotOptimize(EvaluateInRun(scenario.context, plan));
  }
  state.counters["evaluations/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EvaluatePlan)->Unit(benchmark::kMillisecond);

void BM_DefaultRun(benchmark::State& state) {
  for (auto _ : state) {
    DefaultScenario scenario;
    const RunResult result = DoGAClick(scenario.context);
    state.counters["generations"] = result.generations;
    state.counters["evaluations"] = static_cast<double>(scenario.state->Evaluations);
    state.counters["best"] = static_cast<double>(result.best.value);
  }
}
BENCHMARK(BM_DefaultRun)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
