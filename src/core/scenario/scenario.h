// A scenario: everything a planner enters, as one value that can be kept in a
// file, compared with what is in force, and put in force again.
#pragma once

#include <array>
#include <optional>

#include "engine/model.h"
#include "optimiser/ga_settings.h"

namespace morvane {

// A staffing plan: both duty templates, their wrap flags and the starts per period.
struct ScenarioPlan {
  std::array<PeriodCounts, 2> DutyTemplate = StaffingState::initialTemplates();
  bool FullTimeWraps = true;
  bool PartTimeWraps = true;
  std::array<PeriodCounts, 2> StartTimes{};

  bool operator==(const ScenarioPlan&) const = default;
};

// The plan's templates, wrap flags and starts into `staff` (nothing computed).
void PutPlan(const ScenarioPlan& plan, StaffingState& staff);

struct Scenario {
  ScenarioInputs inputs;  // inputs.Forecast: the forecast in force, if any
  // The forecast loaded, in force or not (the planner may go back to the sine
  // and return to it); always the one in force when there is one.
  std::optional<DemandForecast> loadedForecast;
  Real CriticalPWait = 0.2L;
  std::optional<ScenarioPlan> plan;  // the plan in force; none: the base servers all day
  GASettings ga;

  bool operator==(const Scenario&) const = default;
};

// The scenario in force: the model's inputs, critical P(wait) and (when one is in
// force) its plan, the GA settings and the forecast loaded.
Scenario CurrentScenario(const Model& model, const GASettings& ga,
                         const std::optional<DemandForecast>& loadedForecast);

// Puts a checked scenario in force: inputs, critical P(wait) and GA settings;
// its plan computed, or the base servers all day with the first templates and
// no starts. The model's result tables then belong to no inputs: the caller
// shows none until the next computation.
void ApplyScenario(const Scenario& scenario, Model& model, GASettings& ga);

}  // namespace morvane
