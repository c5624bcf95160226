// The options of a staffing plan: where it comes from, whether its shifts wrap
// around midnight, and where to write it.
#include <utility>

#include "batch/batch_option.h"

namespace morvane::batch {
namespace {

BatchOption PlanFileOption(std::string name, std::string help, std::string PlanRequest::*file) {
  return {std::move(name), "FILE", std::move(help),
          [file](BatchRequest& request, const std::string& path) -> std::optional<std::string> {
            if (path.empty()) return "a file name is needed";
            request.plan.*file = path;
            return std::nullopt;
          }};
}

BatchOption NoWrapOption(std::string name, std::string help, bool StaffingState::*wraps) {
  return {std::move(name), "", std::move(help),
          [wraps](BatchRequest& request, const std::string&) -> std::optional<std::string> {
            request.model.staffing.*wraps = false;
            return std::nullopt;
          }};
}

}  // namespace

OptionGroup PlanOptions() {
  return {"Staffing plan",
          {
              PlanFileOption("--plan",
                             "servers from the duty templates and starts of the start-times "
                             "file FILE (.tim) instead of --servers",
                             &PlanRequest::planFile),
              NoWrapOption("--no-ft-wrap", "full-time shifts end at midnight instead of wrapping",
                           &StaffingState::FullTimeWraps),
              NoWrapOption("--no-pt-wrap", "part-time shifts end at midnight instead of wrapping",
                           &StaffingState::PartTimeWraps),
              PlanFileOption("--write-plan", "write the plan in force to the start-times file FILE",
                             &PlanRequest::writePlanFile),
          }};
}

}  // namespace morvane::batch
