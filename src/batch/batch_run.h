// One morvane-batch run on a parsed request: staffing, both computations, and
// the results to stdout and the files asked for.
#pragma once

#include <iostream>
#include <ostream>

#include "batch/batch_request.h"
#include "base/user_interface.h"

namespace morvane::batch {

enum ExitStatus : int {
  kExitDone = 0,
  kExitRefused = 1,       // the computation was refused, or a file could not be written
  kExitBadArguments = 2,  // an unknown option, or a value its box would refuse
};

// Runs the request; results go to `out`, messages and report lines to `ui`, the
// progress of a GA run to `progress`.
ExitStatus RunBatch(BatchRequest& request, std::ostream& out, UserInterface& ui,
                    std::ostream& progress = std::cerr);

}  // namespace morvane::batch
