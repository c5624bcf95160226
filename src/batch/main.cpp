// morvane-batch: the headless front end. Reads the scenario from the options,
// runs both computations and prints the input/output summary (or JSON).
#include <iostream>
#include <memory>

#include "batch/batch_run.h"
#include "batch/option_parser.h"
#include "batch/terminal_user_interface.h"
#include "base/version.h"

int main(int argc, char** argv) {
  using namespace morvane::batch;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto groups = BatchOptionGroups();
  // The model's tables are large; keep them off the stack.
  auto request = std::make_unique<BatchRequest>();
  TerminalUserInterface ui(std::cerr);
  if (const auto refusal = ParseArguments(arguments, groups, *request)) {
    std::cerr << TerminalText(*refusal) << "\n";
    return kExitBadArguments;
  }
  if (request->output.help) {
    std::cout << HelpText(groups);
    return kExitDone;
  }
  if (request->output.version) {
    std::cout << morvane::kVersionText << "\n";
    return kExitDone;
  }
  return RunBatch(*request, std::cout, ui);
}
