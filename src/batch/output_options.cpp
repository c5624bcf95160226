// The options that say where the results go (and the two that only inform).
#include "batch/batch_option.h"

namespace morvane::batch {
namespace {

BatchOption FileOption(std::string name, std::string help, std::string OutputRequest::*file) {
  return {std::move(name), "FILE", std::move(help),
          [file](BatchRequest& request, const std::string& path) -> std::optional<std::string> {
            request.output.*file = path;
            return std::nullopt;
          }};
}

BatchOption FlagOption(std::string name, std::string help, bool OutputRequest::*flag) {
  return {std::move(name), "", std::move(help),
          [flag](BatchRequest& request, const std::string&) -> std::optional<std::string> {
            request.output.*flag = true;
            return std::nullopt;
          }};
}

}  // namespace

OptionGroup OutputOptions() {
  return {"Output",
          {
              FlagOption("--json", "print one JSON object of the results instead of the summary",
                         &OutputRequest::json),
              FileOption("--steps", "write step,minute,mean,pwait for every time step to FILE",
                         &OutputRequest::stepsFile),
              FileOption("--minutes",
                         "write minute,arrival,capacity,servers,ss_mean,ss_pwait for minutes "
                         "0..1440 to FILE",
                         &OutputRequest::minutesFile),
              FlagOption("--help", "print this help and exit", &OutputRequest::help),
              FlagOption("--version", "print the program's version and exit",
                         &OutputRequest::version),
          }};
}

}  // namespace morvane::batch
