// The results in forms other programs read: one JSON object of the day's
// figures, and CSV tables per time step and per minute. Reals are written at
// the full precision of the model's extended reals.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/model.h"

namespace morvane::batch {

// Shortest round-trip-safe text of an extended real ("%.21Lg"); "null" when not finite.
std::string FullPrecisionText(Real value);

// "extended" or "double", as --precision and the JSON name them.
std::string PrecisionWord(Precision precision);
std::optional<Precision> PrecisionOfWord(const std::string& word);

// "[a, b, ...]" of the 96 counts.
std::string JsonArray(const PeriodCounts& counts);

// The day's figures and the precision of the time-dependent ones; in plan mode
// also OnDutyByPeriod (the 96 totals), FullTimeStarts and PartTimeStarts (96
// each); then the `extra` keys and values.
void WriteResultJson(const Model& model, std::ostream& out,
                     const std::vector<std::pair<const char*, std::string>>& extra = {});
// step,minute,mean,pwait for k = 0..NumSteps.
void WriteStepTable(const Model& model, std::ostream& out);
// minute,arrival,capacity,servers,ss_mean,ss_pwait for minutes 0..1440.
void WriteMinuteTable(const Model& model, std::ostream& out);

}  // namespace morvane::batch
