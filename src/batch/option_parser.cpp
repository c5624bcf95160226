#include "batch/option_parser.h"

#include <algorithm>

namespace morvane::batch {
namespace {

constexpr std::size_t kHelpColumn = 24;

const BatchOption* FindOption(const std::vector<OptionGroup>& groups, const std::string& name) {
  for (const OptionGroup& group : groups)
    for (const BatchOption& option : group.options)
      if (option.name == name) return &option;
  return nullptr;
}

// The value after "=", or else the next argument (moving i past it); nothing when missing.
std::optional<std::string> TakeValue(const std::vector<std::string>& arguments, std::size_t& i,
                                     std::optional<std::string> attached) {
  if (attached) return attached;
  if (i + 1 >= arguments.size()) return std::nullopt;
  return arguments[++i];
}

}  // namespace

std::optional<std::string> ParseArguments(const std::vector<std::string>& arguments,
                                          const std::vector<OptionGroup>& groups,
                                          BatchRequest& request) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const BatchOption* option = FindOption(groups, name);
    if (!option) return "Unknown option " + argument + "\rTry morvane-batch --help.";
    std::optional<std::string> attached;
    if (equals != std::string::npos) attached = argument.substr(equals + 1);
    if (option->valueName.empty()) {
      if (attached) return "Option " + name + " takes no value.";
      if (auto refusal = option->apply(request, "")) return name + ": " + *refusal;
      continue;
    }
    const auto value = TakeValue(arguments, i, attached);
    if (!value || value->empty()) return "Option " + name + " needs a value " + option->valueName + ".";
    if (auto refusal = option->apply(request, *value)) return name + " " + *value + ": " + *refusal;
  }
  return std::nullopt;
}

std::string HelpText(const std::vector<OptionGroup>& groups) {
  std::string text =
      "Usage: morvane-batch [OPTION]...\n"
      "Computes, for one day of a time-dependent M/M/s queue, the steady-state probabilities of\n"
      "every minute and the time-dependent probabilities of every time step, and prints the\n"
      "input/output summary. Unset inputs keep the defaults of the main window; the servers are\n"
      "the base number, on duty all day.\n";
  for (const OptionGroup& group : groups) {
    text += "\n" + group.title + ":\n";
    for (const BatchOption& option : group.options) {
      std::string usage = "  " + option.name;
      if (!option.valueName.empty()) usage += " " + option.valueName;
      usage.resize(std::max(usage.size() + 1, kHelpColumn), ' ');
      text += usage + option.help + "\n";
    }
  }
  text +=
      "\nOptions also take their value after \"=\" (--cycles=2). Reports of the solver and\n"
      "messages go to stderr.\n"
      "Exit status: 0 done; 1 the computation was refused or a file could not be written;\n"
      "2 an option was unknown or its value refused.\n";
  return text;
}

}  // namespace morvane::batch
