// A time-dependent run whose top state still carries probability at its end
// has lost the calls beyond it: its waiting figures are lower bounds.
#pragma once

#include <optional>
#include <string>

#include "engine/model.h"

namespace morvane {

// The top-state probability from which a run counts as cut short.
inline constexpr Real kTruncatedTopProb = 1e-6L;

// The last time-dependent run ended with MaxTopProb >= kTruncatedTopProb.
bool Truncated(const Model& model);

// "Results cut at N in system: the queue is overloaded; waiting figures are lower
// bounds" (N the MaxStates in force) for a truncated run, else nothing.
std::optional<std::string> TruncationNote(const Model& model);

}  // namespace morvane
