// A small, quick scenario for the optimisation tests: low demand served slowly,
// so a 10-minute step stays stable and one evaluation takes a few milliseconds.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "optimiser/ga_state.h"
#include "optimiser/random_solution.h"
#include "support/scripted_user_interface.h"

namespace morvane::testing {

// Records what a run hands to its windows.
struct RecordingObserver : GAObserver {
  void generationPlotted(const GenerationPlot& plot) override {
    plots.push_back(plot);
    if (onPlot) onPlot(plot);
  }
  void carryOverPlotted(double x, double y) override { carried.push_back({x, y}); }
  void tradeoffShown(const TradeoffChart& chart) override { charts.push_back(chart); }
  void planChosen(const GASolution& plan) override { chosen.push_back(plan); }
  std::vector<GenerationPlot> plots;
  std::vector<std::pair<double, double>> carried;
  std::vector<TradeoffChart> charts;
  std::vector<GASolution> chosen;
  std::function<void(const GenerationPlot&)> onPlot;  // a test's hook between generations
};

struct GAScenario {
  Model model;
  GASettings settings;
  std::unique_ptr<GAState> state = std::make_unique<GAState>();
  ScriptedUserInterface ui;
  RecordingObserver observer;
  GAContext context{model, settings, *state, ui, observer, kFixedLocale};

  GAScenario() {
    model.inputs.MeanDemand = 2;
    model.inputs.DemandAmplitude = 1;
    model.inputs.ServiceRate = 0.5L;
    model.inputs.TimeStepSeconds = 600;
    model.inputs.MaxIterations = 3;
    model.flags = {false, false, false, false};
    model.flags.UseBaseServers = false;
    ResetGASettings(settings, model);  // MaxCost 4 * 125 * 2 / 0.5 = 2000
    settings.PopulationSize = 5;
    settings.NumberToCarryOver = 1;
    settings.NumberToImport = 1;
    settings.MaxGenerations = 2;
    settings.ImproveLast = false;
    state->clock = [] { return TimeStamp{}; };
    state->random.seed(settings.RandomSeed);
  }

  // Members 1..n of Population as random plans (n evaluations).
  void randomPopulation(std::int32_t n) {
    settings.PopulationSize = n;
    for (std::int32_t i = 1; i <= n; ++i)
      if (!generate_random_solution(context, state->population[i])) ADD_FAILURE() << "no plan";
  }

  // Whether the run report holds exactly this line.
  bool reportHas(const std::string& line) const {
    return std::find(ui.report.begin(), ui.report.end(), line) != ui.report.end();
  }
};

}  // namespace morvane::testing
