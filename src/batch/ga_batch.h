// A GA run of morvane-batch: the settings checked against the scenario and
// duty templates in force, progress on a stream (generation, best so far,
// elapsed seconds), the run report kept for --history, and the "ga" object of
// the JSON output.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "batch/batch_run.h"
#include "optimiser/ga_run.h"
#include "target/integer_cover.h"

namespace morvane::batch {

struct GABatchResult {
  RunResult run;
  GASolution best;  // the installed plan
  std::int64_t evaluations = 0;
  Precision precision = Precision::Extended;  // the number type the plans were scored in
  bool twoObjectives = false;
  std::vector<std::pair<Real, Real>> nonInferior;  // (Objective1, Objective2), ascending
};

// Runs the GA of request.ga on request.model (whose staffing is installed) and
// leaves the best plan installed and computed; its first population starts with
// `seeds`. Messages go to `ui`, one progress line per generation to `progress`.
ExitStatus RunGABatch(BatchRequest& request, std::vector<PlanStarts> seeds, UserInterface& ui,
                      std::ostream& progress, GABatchResult& result);

// Why --export-tradeoff cannot be done (no GA run, or one objective), or nothing;
// checked before anything runs.
std::optional<std::string> TradeoffExportRefusal(const BatchRequest& request);

// The value of the "ga" key of the JSON output.
std::string GAJson(const GABatchResult& result);

}  // namespace morvane::batch
