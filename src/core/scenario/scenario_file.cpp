#include "scenario/scenario_file.h"

#include <filesystem>

#include "base/read_file.h"
#include "base/replace_file.h"

namespace morvane {

bool WriteScenarioFile(const Scenario& scenario, const std::string& path, UserInterface& ui) {
  return ReplaceFileTelling(path, ScenarioText(scenario), ui);
}

ScenarioParse LoadScenarioFile(const std::string& path) {
  std::string fault;
  const auto text = ReadFileUpTo(path, kScenarioFileLimit, fault);
  if (text && text->size() > kScenarioFileLimit) {
    fault = "the file is over 1 MB; a scenario is a few kilobytes";
  } else if (text) {
    ScenarioParse parse = ParseScenario(*text);
    if (parse.scenario) return parse;
    fault = parse.fault;
  }
  const std::string name = std::filesystem::path(path).filename().string();
  return {std::nullopt, "File <" + name + "> was not opened:\r" + fault +
                            ".\rThe scenario in force is unchanged."};
}

std::optional<Scenario> ReadScenarioFile(const std::string& path, UserInterface& ui) {
  ScenarioParse parse = LoadScenarioFile(path);
  if (!parse.scenario) ui.message(MessageKind::Error, parse.fault);
  return std::move(parse.scenario);
}

}  // namespace morvane
