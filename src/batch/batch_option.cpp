#include "batch/batch_option.h"

namespace morvane::batch {

std::optional<std::string> EntryRefusal(const EntryOutcome& outcome) {
  if (outcome.warnings.empty()) return std::nullopt;
  std::string text;
  for (const std::string& warning : outcome.warnings) text += (text.empty() ? "" : "\r") + warning;
  return text;
}

std::vector<OptionGroup> BatchOptionGroups() {
  return {ScenarioFileOptions(), ScenarioOptions(), PlanOptions(),
          TargetOptions(), GAOptions(), OutputOptions()};
}

}  // namespace morvane::batch
