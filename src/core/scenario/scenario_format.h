// The text of a scenario file: JSON, with a "format" number first, then the
// sections "inputs", "demand", "plan" (only when a plan is in force) and "ga".
// Reals are written in the shortest text that reads back as the same value, so
// a file saved, opened and saved again is the same to the byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "scenario/scenario.h"

namespace morvane {

// The format this program writes; it reads this one and every older one.
inline constexpr int kScenarioFormat = 1;

std::string ScenarioText(const Scenario& scenario);

// A text read whole: the scenario, or the fault that refused it, naming the
// field ("inputs.MeanDemand: Invalid Parameter Value.  Must have 1 <= X <= 100").
// Every value is checked with the range and the message of its box; fields a
// later format added take their defaults when an older file lacks them.
struct ScenarioParse {
  std::optional<Scenario> scenario;
  std::string fault;
};
ScenarioParse ParseScenario(std::string_view text);

}  // namespace morvane
