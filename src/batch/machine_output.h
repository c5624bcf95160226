// The results in the form other programs read: one JSON object of the day's
// figures, reals at the full precision of the model's extended reals
// (base/exact_text.h); the CSV tables are report/result_tables.h.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/exact_text.h"
#include "base/precision_word.h"
#include "engine/model.h"

namespace morvane::batch {

// "[a, b, ...]" of the 96 counts.
std::string JsonArray(const PeriodCounts& counts);

// The day's figures and the precision of the time-dependent ones; in plan mode
// also OnDutyByPeriod (the 96 totals), FullTimeStarts and PartTimeStarts (96
// each); then the `extra` keys and values.
void WriteResultJson(const Model& model, std::ostream& out,
                     const std::vector<std::pair<const char*, std::string>>& extra = {});

}  // namespace morvane::batch
