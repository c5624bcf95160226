// The options of a GA run: --ga and one option per setting of the GA window,
// checked with the window's ranges in the order given (a population size given
// after the block sizes lowers them, as the window does).
#include <utility>

#include "batch/batch_option.h"
#include "batch/machine_output.h"

namespace morvane::batch {
namespace {

using EditExit = EntryOutcome (*)(const std::string&, GASettings&);

BatchOption Setting(std::string name, std::string valueName, std::string help, EditExit exit) {
  return {std::move(name), std::move(valueName), std::move(help),
          [exit](BatchRequest& request, const std::string& text) {
            return EntryRefusal(exit(text, request.ga.settings));
          }};
}

BatchOption Flag(std::string name, std::string help, void (*set)(GARequest&)) {
  return {std::move(name), "", std::move(help),
          [set](BatchRequest& request, const std::string&) -> std::optional<std::string> {
            set(request.ga);
            return std::nullopt;
          }};
}

// "cost", "maxpwait", "minutes", "service" as items; "labour" for the first
// objective only, "none" for the second only.
std::optional<std::int32_t> ObjectiveItem(const std::string& word, bool second) {
  if (word == "cost") return 0;
  if (word == "maxpwait") return 1;
  if (word == "minutes") return 2;
  if (word == "service") return kObjectiveService;
  if (word == "labour" && !second) return kObjectiveLabour;
  if (word == "abandon") return kObjectiveAbandon;
  if (word == "none" && second) return kObjectiveNone;
  return std::nullopt;
}

BatchOption Objective(std::string name, std::string words, std::int32_t GASettings::*index) {
  const bool second = index == &GASettings::SecondObjectiveIndex;
  return {std::move(name), words,
          second ? "second objective (default none): opens the tradeoff set, no improvement"
                 : "first objective (default cost), minimised; labour: the labour cost of "
                   "plans that meet the service target in every step",
          [index, second, words](BatchRequest& request,
                                 const std::string& word) -> std::optional<std::string> {
            if (second && word == "labour")
              return "the labour cost with the service target met is a first objective only "
                     "(--objective labour)";
            const auto item = ObjectiveItem(word, second);
            if (!item) return "must be one of " + words;
            request.ga.settings.*index = *item;
            return std::nullopt;
          }};
}

BatchOption StartInterval() {
  return {"--start-interval", "N",
          "periods of 15 minutes between possible starts: 1, 2, 4, 6, 8, 12, 16, 24, 32 or 48 "
          "(default 1)",
          [](BatchRequest& request, const std::string& text) -> std::optional<std::string> {
            const auto periods = ParseInteger(text);
            if (!periods || !ItemOfStartInterval(*periods))
              return "must be one of 1, 2, 4, 6, 8, 12, 16, 24, 32, 48";
            request.ga.settings.StartInterval = *periods;
            return std::nullopt;
          }};
}

BatchOption Threads() {
  return {"--threads", "N",
          "worker threads that score plans, each with tables of its own, 1 to " +
              std::to_string(kMaxThreads) + " (default: one per core); the results do not "
              "depend on it",
          [](BatchRequest& request, const std::string& text) -> std::optional<std::string> {
            const auto threads = ParseInteger(text);
            if (!threads || *threads < 1 || *threads > kMaxThreads)
              return "must be a whole number from 1 to " + std::to_string(kMaxThreads);
            request.ga.settings.Threads = *threads;
            return std::nullopt;
          }};
}

BatchOption Evaluation() {
  return {"--precision", "extended|double",
          "number type of the time-dependent engine, for the GA's plans and for a single run: "
          "extended (default) or double (several times faster); the plan a GA run installs "
          "is computed in extended precision",
          [](BatchRequest& request, const std::string& word) -> std::optional<std::string> {
            const auto precision = PrecisionOfWord(word);
            if (!precision) return "must be extended or double";
            request.ga.settings.Evaluation = request.precision = *precision;
            return std::nullopt;
          }};
}

BatchOption Text(std::string name, std::string valueName, std::string help,
                 std::string GARequest::*field) {
  return {std::move(name), std::move(valueName), std::move(help),
          [field](BatchRequest& request, const std::string& text) -> std::optional<std::string> {
            request.ga.*field = text;
            return std::nullopt;
          }};
}

}  // namespace

OptionGroup GAOptions() {
  return {
      "Schedule optimisation (a GA run whose best plan is then reported)",
      {
          Flag("--ga", "run the GA on the scenario and duty templates (of --plan, if given)",
               [](GARequest& ga) { ga.run = true; }),
          Setting("--seed", "N", "random seed, -2000000000 to 2000000000 (default 139753)",
                  RandSeedEditExit),
          Setting("--population", "N", "population size, 5 to 250 (default 25)", InitPopEditExit),
          Setting("--generations", "N", "most generations, 0 to 1000000 (default 100)",
                  MaxGenEditExit),
          Setting("--no-change", "N",
                  "most generations without progress, 1 to the generations (default 100)",
                  MaxGenNoChangeEditExit),
          Setting("--import", "N", "random plans per generation, 0 to population - 2 (default 4)",
                  Number2ImportEditExit),
          Setting("--carry", "N", "plans carried over, 0 to population - 2 (default 5)",
                  CarryOverEditExit),
          Setting("--bias", "X", "bias toward full time, -1 to 2 (default 0.9)",
                  [](const std::string& text, GASettings& settings) {
                    return BiasEditExit(text, settings);
                  }),
          StartInterval(),
          Objective("--objective", "cost|maxpwait|minutes|service|labour|abandon",
                    &GASettings::FirstObjectiveIndex),
          Objective("--objective2", "none|cost|maxpwait|minutes|service|abandon",
                    &GASettings::SecondObjectiveIndex),
          Flag("--improve-best", "improve the best plan of every generation",
               [](GARequest& ga) { SetImproveBest(ga.settings, true); }),
          Flag("--improve-carry", "improve the carried-over plans too (implies --improve-best)",
               [](GARequest& ga) {
                 SetImproveBest(ga.settings, true);
                 ga.settings.ImproveCarryOver = true;
               }),
          Flag("--no-improve-last", "do not improve the best plan at the end",
               [](GARequest& ga) { ga.settings.ImproveLast = false; }),
          Flag("--no-swap", "never swap two part-timers for one full-timer",
               [](GARequest& ga) { ga.settings.AllowSwap = false; }),
          Threads(),
          Evaluation(),
          Text("--max-cost", "X",
               "most labour cost of a plan, MinCost to 1000 x MinCost (default 4 x full-time "
               "cost x mean demand / service rate)",
               &GARequest::maxCostText),
          Text("--history", "FILE", "write the run report to FILE (.his), newest line first",
               &GARequest::historyFile),
          Text("--export-tradeoff", "FILE",
               "write the non-inferior plans of a two-objective run to FILE (.csv): objective "
               "values, FT and PT counts, starts per period",
               &GARequest::tradeoffFile),
      }};
}

}  // namespace morvane::batch
