// Scoring one staffing plan: install it as the model's plan, run the queue
// engine on it and read back costs and waiting measures as objective values.
//
// Evaluation is a function of the model's scenario, flags and templates, the
// state bound and the plan alone (no hidden state), so the engine step can run
// on a worker thread with a Model of its own while the steps before and after
// it run on the caller's model.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "optimiser/ga_settings.h"
#include "optimiser/ga_solution.h"
#include "engine/model.h"
#include "base/user_interface.h"

namespace morvane {

struct GAContext;

// The capacity test of the plan installed in the model: the day's service
// capacity, (sum over the 96 periods of those on duty) * ServiceRate, must
// exceed the day's mean demand, (mean arrival rate) * 96.
bool PassesCapacityTest(const Model& model);

// Steps 1-3: the plan into StartTimes, ScheduleGridExit, MaxStates = max(gaStates,
// 100). False when the plan cannot be computed (its counts overflow).
bool InstallForEvaluation(Model& model, std::int32_t gaStates, const GASolution& plan);
// Step 6: the installed plan passes the capacity test and the engine can run it.
bool ReachesEngine(const Model& model);

// What a run's evaluations compute: the precision of the time-dependent
// computation, and whether the day's service figures (minutes below target,
// abandonment) are read by an objective or a feasibility rule; a run that reads
// none leaves them at 0.
struct EvaluationNeeds {
  Precision precision = Precision::Extended;
  bool serviceFigures = true;

  bool operator==(const EvaluationNeeds&) const = default;
};

EvaluationNeeds NeedsOf(const GASettings& settings);

// What an evaluation reads back from the queue engine.
struct EngineFigures {
  Real PersonHours = 0;  // TotalPersonHours
  Real TotalCost = 0;    // TotalPersonHours * DelayCost + LaborCost
  Real LaborCost = 0;
  Real MaxPWait = 0;     // the solver's day measures
  Real MinutesOverLimit = 0;
  Real MinutesBelowServiceTarget = 0;  // the day's service figures
  Real Abandonment = 0;
  std::int32_t StatesUsed = 0;  // MaxStates as the solver left it
};

// Step 7: the time-dependent computation on the installed plan, in the
// precision `needs` names, and its figures; nothing when the engine refused the
// model. The figures read no per-minute steady-state table, so an evaluation
// computes none.
std::optional<EngineFigures> TimeDependentFigures(Model& model, UserInterface& ui,
                                                  const EvaluationNeeds& needs);

// Steps 8-11: the figures into the plan's value fields, Objective1 and
// Objective2 by the chosen objectives.
void ApplyFigures(const EngineFigures& figures, const GASettings& settings, GASolution& plan);

// The engine step of an evaluation: it scores the plan that steps 1-6 left
// installed in the model, here or on a worker thread.
using EngineStep = std::function<std::optional<EngineFigures>()>;

// The steps of evaluate_chromosome around a given engine step. Returns whether
// the plan was feasible; an infeasible plan's fields are untouched.
bool EvaluatePlan(Model& model, const GASettings& settings, std::int32_t gaStates, GASolution& plan,
                  UserInterface& ui, const EngineStep& engine);

// Installs `plan` (StartTimes, ScheduleGridExit), sets MaxStates = max(gaStates,
// 100) and, when the plan passes the capacity test and the engine accepts it,
// runs the time-dependent computation with NeedsOf(settings) and fills the
// plan's value fields. Returns whether the plan was feasible; an infeasible plan's
// fields are untouched. The solver's report lines go to `ui`.
bool evaluate_chromosome(Model& model, const GASettings& settings, std::int32_t gaStates,
                         GASolution& plan, UserInterface& ui);

// evaluate_chromosome inside a run: the run's model, settings, state bound and
// user interface, with the engine step on the run's worker threads; every plan
// the engine scores is counted in state.Evaluations.
bool EvaluateInRun(GAContext& context, GASolution& plan);

}  // namespace morvane
