// What one morvane-batch run is asked to do: the scenario the options fill in,
// and where the results go.
#pragma once

#include <string>

#include "core/model.h"

namespace morvane::batch {

struct OutputRequest {
  bool json = false;        // one JSON object on stdout instead of the summary text
  std::string stepsFile;    // CSV of the time-dependent results per step, if named
  std::string minutesFile;  // CSV of the steady-state results per minute, if named
  bool help = false;        // print the usage and do nothing else
};

// A staffing plan in place of the base number of servers.
struct PlanRequest {
  std::string planFile;       // start-times file to read; empty: base staffing
  std::string writePlanFile;  // where to write the plan in force, if named
};

struct BatchRequest {
  Model model;  // starts at the defaults of the main window, base staffing
  PlanRequest plan;
  OutputRequest output;
};

}  // namespace morvane::batch
