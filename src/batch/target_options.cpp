// The options of the service target: the plan for the target in force, and the
// requirement per quarter-hour written out.
#include "batch/batch_option.h"

namespace morvane::batch {

OptionGroup TargetOptions() {
  return {"Service target (the servers each quarter-hour needs to meet --sl-target)",
          {
              {"--plan-for-target", "",
               "put in force the cheapest plan found on the duty templates (of --plan, if "
               "given) that meets the service target in every step, with starts every "
               "--start-interval; with --ga it seeds the first population",
               [](BatchRequest& request, const std::string&) -> std::optional<std::string> {
                 request.target.planForTarget = true;
                 return std::nullopt;
               }},
              {"--requirement", "FILE",
               "write start,erlang_c,exact,on_duty for every quarter-hour to FILE (.csv): the "
               "Erlang C and the exact requirement, and the servers of the plan in force",
               [](BatchRequest& request, const std::string& path) -> std::optional<std::string> {
                 request.target.requirementFile = path;
                 return std::nullopt;
               }},
          }};
}

}  // namespace morvane::batch
