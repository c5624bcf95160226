// One run of the genetic algorithm (the "&Do GA" command): a random initial
// population, then generation after generation with optional local
// improvement, until the generation limit, the limit of generations without
// progress, or a stop request ends it; the best plan is then installed as the
// model's staffing plan and the queue engine runs on it once more (unless the
// planner, asked, keeps a better plan in force: see GAContext::askBeforeWorsePlan).
#pragma once

#include <cstdint>
#include <string>

#include "optimiser/ga_state.h"

namespace morvane {

enum class RunEnd {
  Declined,   // the planner answered No to the low maximum cost warning
  Refused,    // the scenario or the costs cannot be optimised (a message said why)
  Failed,     // no feasible initial population could be made (a message said why)
  Finished,   // a limit was reached
  Stopped,    // StopRequested
  EndedEarly  // a generation could not be completed (a message said why); the last
              // complete one was installed
};

struct RunResult {
  RunEnd end = RunEnd::Finished;
  std::int32_t generations = 0;  // GenerationCount at the end
  double seconds = 0;
  BestMember best;  // the best plan's member and Objective1
  bool installed = true;  // false: the planner kept the better plan in force
};

// Added to the run's last report line when its plans were scored in double precision.
inline const std::string kDoubleEvaluationNote = "   (plans scored in double precision)";

// DoGAClick without its window: the caller disables and enables its controls
// around it and reads the settings from them first. Report lines, questions and
// messages go to context.ui, chart data to context.observer.
RunResult DoGAClick(GAContext& context);

// Why a GA run cannot start, or nothing: a scenario the engine refuses, or a
// part-time cost of 0 (random plans could grow without end).
std::optional<std::string> RunRefusal(const Model& model);

}  // namespace morvane
