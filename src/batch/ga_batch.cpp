#include "batch/ga_batch.h"

#include <memory>
#include <utility>

#include "batch/batch_option.h"
#include "batch/machine_output.h"
#include "optimiser/history_file.h"
#include "optimiser/tradeoff_table.h"
#include "engine/arrival_rate.h"
#include "engine/service_level.h"
#include "optimiser/evaluation.h"

namespace morvane::batch {
namespace {

// Messages and questions go to the terminal; the run report is kept (newest
// first) for the history file instead of flooding the terminal.
class KeptReport : public UserInterface {
 public:
  explicit KeptReport(UserInterface& terminal) : terminal_(terminal) {}
  void message(MessageKind kind, const std::string& text) override {
    terminal_.message(kind, text);
  }
  bool ask(const std::string& text, MessageKind kind) override { return terminal_.ask(text, kind); }
  void reportLine(const std::string& line) override { oldestFirst_.push_back(line); }
  void clearReport() override { oldestFirst_.clear(); }
  void progress(Gauge, int) override {}
  void pause(int) override {}
  std::vector<std::string> newestFirst() const {
    return {oldestFirst_.rbegin(), oldestFirst_.rend()};
  }

 private:
  UserInterface& terminal_;
  std::vector<std::string> oldestFirst_;
};

class ProgressLines : public GAObserver {
 public:
  explicit ProgressLines(std::ostream& out) : out_(out) {}
  void generationPlotted(const GenerationPlot& plot) override {
    out_ << "Gen " << plot.generation << "   best so far "
         << NumberText(plot.best, 15, 2, kFixedLocale) << "   elapsed "
         << NumberText(ElapsedSeconds(start_, CurrentTimeStamp()), 12, 1, kFixedLocale) << " s\n";
  }

 private:
  std::ostream& out_;
  TimeStamp start_ = CurrentTimeStamp();
};

// The settings that depend on the scenario and the duty templates in force.
std::optional<std::string> CheckSettings(BatchRequest& request) {
  GARequest& ga = request.ga;
  if (ga.maxCostText.empty()) {
    const ScenarioInputs& in = request.model.inputs;
    if (!(ga.settings.MaxCost > 0))  // none set, by a scenario either
      ga.settings.MaxCost = 4 * in.FullTimeCost * MeanArrivalRate(in) / in.ServiceRate;
  } else if (auto refusal =
                 EntryRefusal(MaxCostEditExit(ga.maxCostText, ga.settings, request.model))) {
    return "--max-cost " + ga.maxCostText + ": " + *refusal;
  }
  if (ga.settings.twoObjectives() &&
      ga.settings.FirstObjectiveIndex == ga.settings.SecondObjectiveIndex)
    return "--objective2: " + kObjectiveClashMessage;
  return std::nullopt;
}

void CollectNonInferior(const GAState& state, std::int32_t size, GABatchResult& result) {
  for (const GASolution& plan : NonInferiorMembers(state.population, size))
    result.nonInferior.emplace_back(plan.Objective1, plan.Objective2);
}

}  // namespace

ExitStatus RunGABatch(BatchRequest& request, std::vector<PlanStarts> seeds, UserInterface& ui,
                      std::ostream& progress, GABatchResult& result) {
  if (const auto refusal = CheckSettings(request)) {
    ui.message(MessageKind::Error, *refusal);
    return kExitBadArguments;
  }
  Model& model = request.model;
  model.flags.UseBaseServers = false;
  auto state = std::make_unique<GAState>();
  state->Seeds = std::move(seeds);
  KeptReport report(ui);
  ProgressLines observer(progress);
  GAContext context{model, request.ga.settings, *state, report, observer, kFixedLocale};
  result.run = DoGAClick(context);
  if (result.run.end == RunEnd::Declined || result.run.end == RunEnd::Refused ||
      result.run.end == RunEnd::Failed)
    return kExitRefused;
  result.best = state->population[result.run.best.index];
  // A run whose objectives read no service figures leaves them out of its
  // plans; the best plan's come from its computation once installed.
  if (!NeedsOf(request.ga.settings).serviceFigures && model.steps.Computed) {
    const ServiceDay service = TimeDepServiceDay(model);
    result.best.MinutesBelowServiceTarget = service.minutesBelowTarget;
    result.best.Abandonment = service.abandoned;
  }
  result.evaluations = state->Evaluations;
  result.precision = request.ga.settings.Evaluation;
  result.twoObjectives = request.ga.settings.twoObjectives();
  if (result.twoObjectives) CollectNonInferior(*state, request.ga.settings.PopulationSize, result);
  if (!request.ga.historyFile.empty() &&
      !SaveHistory(request.ga.historyFile, report.newestFirst(), ui, [](int) {}))
    return kExitRefused;
  if (!request.ga.tradeoffFile.empty() &&
      !WriteTradeoffTable(request.ga.tradeoffFile, state->population, request.ga.settings, ui))
    return kExitRefused;
  return kExitDone;
}

std::optional<std::string> TradeoffExportRefusal(const BatchRequest& request) {
  if (request.ga.tradeoffFile.empty()) return std::nullopt;
  if (!request.ga.run) return "--export-tradeoff needs a GA run (--ga).";
  if (!request.ga.settings.twoObjectives())
    return "--export-tradeoff needs a second objective (--objective2 "
           "cost|maxpwait|minutes|service|abandon).";
  return std::nullopt;
}

std::string GAJson(const GABatchResult& result) {
  const GASolution& best = result.best;
  std::string text = "{\"best\": {\"Objective1\": " + FullPrecisionText(best.Objective1) +
                     ", \"Objective2\": " + FullPrecisionText(best.Objective2) +
                     ", \"TotalCost\": " + FullPrecisionText(best.TotalCost) +
                     ", \"MaxPWait\": " + FullPrecisionText(best.MaxPWait) +
                     ", \"MinutesOverLimit\": " + FullPrecisionText(best.MinutesOverLimit) +
                     ", \"MinutesBelowServiceTarget\": " +
                     FullPrecisionText(best.MinutesBelowServiceTarget) +
                     ", \"Abandonment\": " + FullPrecisionText(best.Abandonment) +
                     ", \"PersonHours\": " + FullPrecisionText(best.PersonHours) +
                     ", \"NumFullTime\": " + std::to_string(best.NumFullTime) +
                     ", \"NumPartTime\": " + std::to_string(best.NumPartTime) +
                     ", \"FullTimeStarts\": " + JsonArray(best.FullTimeStarts) +
                     ", \"PartTimeStarts\": " + JsonArray(best.PartTimeStarts) + "}" +
                     ", \"generations\": " + std::to_string(result.run.generations) +
                     ", \"evaluations\": " + std::to_string(result.evaluations) +
                     ", \"seconds\": " + FullPrecisionText(result.run.seconds) +
                     ", \"Precision\": \"" + PrecisionWord(result.precision) + '"';
  if (result.twoObjectives) {
    text += ", \"nonInferior\": [";
    for (std::size_t i = 0; i < result.nonInferior.size(); ++i)
      text += (i ? ", [" : "[") + FullPrecisionText(result.nonInferior[i].first) + ", " +
              FullPrecisionText(result.nonInferior[i].second) + "]";
    text += "]";
  }
  return text + "}";
}

}  // namespace morvane::batch
