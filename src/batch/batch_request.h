// What one morvane-batch run is asked to do: the scenario the options fill in,
// and where the results go.
#pragma once

#include <string>

#include "optimiser/ga_settings.h"
#include "engine/model.h"

namespace morvane::batch {

struct OutputRequest {
  bool json = false;        // one JSON object on stdout instead of the summary text
  std::string stepsFile;    // CSV of the time-dependent results per step, if named
  std::string minutesFile;  // CSV of the steady-state results per minute, if named
  bool help = false;        // print the usage and do nothing else
  bool version = false;     // print the program's name and version and do nothing else
};

// A staffing plan in place of the base number of servers.
struct PlanRequest {
  std::string planFile;       // start-times file to read; empty: base staffing
  std::string writePlanFile;  // where to write the plan in force, if named
};

// One GA run on the scenario and plan, whose best plan is then the plan in force.
struct GARequest {
  bool run = false;          // --ga
  GASettings settings;       // the GA window's values at program start
  std::string maxCostText;   // --max-cost as given, checked once the duty templates are known;
                             // empty: the "Re&Set Def." value
  std::string historyFile;   // --history: the run report, newest line first
  std::string tradeoffFile;  // --export-tradeoff: the non-inferior plans of a two-objective run
};

// The servers each quarter-hour needs to meet the service target, and the
// cheapest plan that meets it.
struct TargetRequest {
  bool planForTarget = false;  // --plan-for-target: computed and put in force
  std::string requirementFile;  // --requirement: the requirement per period as CSV, if named

  bool requirementNeeded() const { return planForTarget || !requirementFile.empty(); }
};

struct BatchRequest {
  Model model;  // starts at the defaults of the main window, base staffing
  // The number type of a single run (--precision); a scenario's GA evaluation
  // does not change it, as the window's runs are extended whatever it is.
  Precision precision = Precision::Extended;
  std::string saveScenarioFile;  // --save-scenario: where to keep the scenario of the run
  PlanRequest plan;
  TargetRequest target;
  OutputRequest output;
  GARequest ga;
};

}  // namespace morvane::batch
