// Scenario files on disk. Writing replaces the file only by a complete new one;
// reading refuses a file that is too large, unreadable or unsound with one
// error message naming the file and the cause, and then returns nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/user_interface.h"
#include "scenario/scenario.h"
#include "scenario/scenario_format.h"

namespace morvane {

// The file dialogs' filter and the name's ending.
inline const std::string kScenarioExtension = ".morvane";
// A scenario is a few kilobytes (with a minute-by-minute forecast some 40); larger files
// are refused unread, which also bounds the memory a hostile file can take.
inline constexpr std::uintmax_t kScenarioFileLimit = 1u << 20;

// Writes the scenario to `path`; on failure shows an error naming the file and
// the cause (any file of that name is left as it was) and returns false.
bool WriteScenarioFile(const Scenario& scenario, const std::string& path, UserInterface& ui);

// Reads and checks the whole file. Nothing is put in force here: the caller
// applies what it returns.
std::optional<Scenario> ReadScenarioFile(const std::string& path, UserInterface& ui);
// The same without telling: the scenario, or (in `fault`) the message the above shows.
ScenarioParse LoadScenarioFile(const std::string& path);

}  // namespace morvane
