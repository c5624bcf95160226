// Reading the command line against the option table, and the --help text made
// from the same table.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/batch_option.h"

namespace morvane::batch {

// Applies the arguments (without the program name) in order. Values follow their
// option as the next argument or after "=" ("--cycles 2", "--cycles=2"). Returns
// the first refusal, naming the option, or nothing when every argument was taken.
std::optional<std::string> ParseArguments(const std::vector<std::string>& arguments,
                                          const std::vector<OptionGroup>& groups,
                                          BatchRequest& request);

std::string HelpText(const std::vector<OptionGroup>& groups);

}  // namespace morvane::batch
