// The options of scenario files: --scenario puts a saved scenario in force at
// its place among the options (later ones change it, earlier ones it replaces);
// --save-scenario keeps the scenario of the run.
#include "batch/batch_option.h"
#include "scenario/scenario_file.h"

namespace morvane::batch {
namespace {

// The scenario's inputs, plan and GA settings replace those given so far. Its
// maximum cost is taken as it stands (the window runs with it); 0, never set,
// leaves the default rule.
std::optional<std::string> ApplyScenarioFile(BatchRequest& request, const std::string& path) {
  ScenarioParse parse = LoadScenarioFile(path);
  if (!parse.scenario) return parse.fault;
  ApplyScenario(*parse.scenario, request.model, request.ga.settings);
  request.plan.planFile.clear();
  request.ga.maxCostText.clear();
  return std::nullopt;
}

}  // namespace

OptionGroup ScenarioFileOptions() {
  return {"Scenario files (.morvane, saved by the main window's File menu)",
          {
              {"--scenario", "FILE",
               "put the scenario of FILE in force: inputs, demand, plan and GA settings; "
               "options after it change it",
               ApplyScenarioFile},
              {"--save-scenario", "FILE",
               "write the scenario in force (after a --ga run, with its best plan) to FILE",
               [](BatchRequest& request, const std::string& path) -> std::optional<std::string> {
                 request.saveScenarioFile = path;
                 return std::nullopt;
               }},
          }};
}

}  // namespace morvane::batch
