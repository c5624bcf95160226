// One command-line option of morvane-batch and the groups --help lists them in.
// Options are table entries: a new option is one more entry in a group, and a
// new group is one more function listed in BatchOptionGroups().
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_request.h"
#include "engine/entry_check.h"

namespace morvane::batch {

// Applies an option's value (empty for a flag) to the request; returns the
// reason the value is refused, or nothing. "\r" in a reason is a line break.
using ApplyOption =
    std::function<std::optional<std::string>(BatchRequest& request, const std::string& value)>;

struct BatchOption {
  std::string name;       // "--mean-demand"
  std::string valueName;  // "X", "N", "FILE"; empty for a flag that takes no value
  std::string help;       // one line for --help
  ApplyOption apply;
};

struct OptionGroup {
  std::string title;  // heading in --help
  std::vector<BatchOption> options;
};

// The groups, each defined in its own file.
OptionGroup ScenarioFileOptions();  // scenario_file_options.cpp: --scenario, --save-scenario
OptionGroup ScenarioOptions();  // scenario_options.cpp: one option per scenario input
OptionGroup PlanOptions();      // plan_options.cpp: --plan, --no-ft-wrap, --no-pt-wrap, --write-plan
OptionGroup TargetOptions();    // target_options.cpp: --plan-for-target, --requirement
OptionGroup GAOptions();        // ga_options.cpp: --ga and the GA window's settings
OptionGroup OutputOptions();    // output_options.cpp: --json, --steps, --minutes, --help

// The warnings of a checked entry as one refusal ("\r" between them); a value
// stored without a warning is accepted.
std::optional<std::string> EntryRefusal(const EntryOutcome& outcome);

// Every group, in the order --help lists them.
std::vector<OptionGroup> BatchOptionGroups();

}  // namespace morvane::batch
