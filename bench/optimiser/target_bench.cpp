// Speed of the plan for the target on the example scenario
// (examples/contact_centre_day.morvane): the exact requirement alone, and the
// whole plan (requirement, integer covers, polish, confirmation in extended
// precision), at 1 and 2 worker threads.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

#include "base/silent_user_interface.h"
#include "optimiser/ga_settings.h"
#include "scenario/scenario.h"
#include "scenario/scenario_file.h"
#include "target/plan_for_target.h"

namespace {

using namespace morvane;

Model ExampleModel() {
  const ScenarioParse parse = LoadScenarioFile(MORVANE_EXAMPLES_DIR "/contact_centre_day.morvane");
  if (!parse.scenario) {
    std::cerr << "The example scenario did not open.\n";
    std::exit(1);
  }
  Model model;
  GASettings ga;
  ApplyScenario(*parse.scenario, model, ga);
  return model;
}

void BM_Requirement(benchmark::State& state) {
  const Model model = ExampleModel();
  SilentUserInterface ui;
  for (auto _ : state) {
    const RequirementOutcome outcome =
        ComputeRequirement(model, ui, TargetSearch{static_cast<std::int32_t>(state.range(0))});
    benchmark::DoNotOptimize(outcome.requirement);
  }
}
BENCHMARK(BM_Requirement)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

void BM_PlanForTarget(benchmark::State& state) {
  const Model model = ExampleModel();
  SilentUserInterface ui;
  Real cost = 0;
  for (auto _ : state) {
    const TargetOutcome outcome =
        ComputePlanForTarget(model, 1, ui, TargetSearch{static_cast<std::int32_t>(state.range(0))});
    if (outcome.plan) cost = outcome.plan->laborCost;
  }
  state.counters["labour_cost"] = static_cast<double>(cost);
}
BENCHMARK(BM_PlanForTarget)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
