#include "batch/batch_option.h"

namespace morvane::batch {

std::vector<OptionGroup> BatchOptionGroups() {
  return {ScenarioOptions(), PlanOptions(), OutputOptions()};
}

}  // namespace morvane::batch
