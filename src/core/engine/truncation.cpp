#include "engine/truncation.h"

namespace morvane {

bool Truncated(const Model& model) {
  return model.steps.Computed && model.steps.MaxTopProb >= kTruncatedTopProb;
}

std::optional<std::string> TruncationNote(const Model& model) {
  if (!Truncated(model)) return std::nullopt;
  return "Results cut at " + std::to_string(model.inputs.MaxStates) +
         " in system: the queue is overloaded; waiting figures are lower bounds";
}

}  // namespace morvane
