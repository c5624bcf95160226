// The state of the genetic algorithm that lives between runs and is shared by
// its steps: the two populations, the random generator, the state bound of the
// evaluations and the run-state figures. The caller owns it (it is large:
// allocate it once, e.g. with std::make_unique) and hands it to every step
// together with the model, the settings and the windows' interfaces.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "optimiser/elapsed_time.h"
#include "optimiser/ga_charts.h"
#include "optimiser/ga_observer.h"
#include "optimiser/ga_settings.h"
#include "optimiser/ga_solution.h"
#include "optimiser/lookahead.h"
#include "engine/model.h"
#include "base/number_format.h"
#include "optimiser/random_generator.h"
#include "optimiser/tradeoff_set.h"
#include "target/integer_cover.h"
#include "base/user_interface.h"

namespace morvane {

struct GAState {
  Population population{};      // Population: the current generation
  Population nextPopulation{};  // NextPopulation: the generation being made
  RandomGenerator random;
  std::int32_t GAStates = 100;  // state bound handed to every evaluation
  std::int32_t ActualCarryOver = 0;
  std::int32_t ActualImport = 0;
  std::int32_t ImportPerGeneration = 0;
  std::int32_t CrossoverPerGeneration = 0;
  std::int32_t MaxOnTradeoff = 0;
  std::int32_t GenerationCount = 0;
  std::int32_t GAGenNoChange = 0;
  bool FullTimeCheaper = false;
  TradeoffFigures tradeoff;      // of the last ShowMOGraph
  ProgressRanges progress;       // of the progress chart's lines
  std::int64_t Evaluations = 0;  // plans the queue engine scored in the last run
  std::function<TimeStamp()> clock = CurrentTimeStamp;  // tests may fix the time
  // Set by "&STOP GA" or "&Stop Imp" (from any thread); the run tests it between plans.
  std::atomic<bool> StopRequested{false};
  // Plans the next run's first population starts with (the plan for the target
  // and the Erlang C cover). A run with the labour objective computes them when
  // none are given; every run empties the list.
  std::vector<PlanStarts> Seeds;
  // The worker threads that score the run's plans, and their foresight.
  Lookahead lookahead;
};

// Everything a step of the GA works with.
struct GAContext {
  Model& model;
  GASettings& settings;
  GAState& state;
  UserInterface& ui;
  GAObserver& observer;
  const NumberLocale& locale;
  // An interactive run asks, through ui, before its best plan replaces a plan in
  // force (not the base servers) that scores better by the first objective. The
  // batch command does not ask: its run always installs the plan it found.
  bool askBeforeWorsePlan = false;
};

}  // namespace morvane
