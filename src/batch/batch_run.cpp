#include "batch/batch_run.h"

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "batch/ga_batch.h"
#include "batch/machine_output.h"
#include "batch/target_batch.h"
#include "report/result_tables.h"
#include "scenario/scenario_file.h"
#include "staffing/schedule_plan.h"
#include "staffing/start_times_file.h"
#include "engine/steady_state.h"
#include "report/summary_lines.h"
#include "engine/time_dependent_solver.h"

namespace morvane::batch {
namespace {

using TableWriter = void (*)(const Model&, std::ostream&);

bool WriteFile(const std::string& path, TableWriter write, const Model& model, UserInterface& ui) {
  std::ofstream file(path);
  if (file) write(model, file);
  if (file.flush()) return true;
  ui.message(MessageKind::Error, "Could not write the file " + path);
  return false;
}

void PrintSummary(const Model& model, std::ostream& out) {
  for (const SummaryLine& line : SummaryLines(model, kFixedLocale, true)) out << line.text << '\n';
}

// The plan of a start-times file, of a scenario (computed again: a later
// option may have changed its costs or wrap rules), or the base servers.
bool InstallStaffing(BatchRequest& request, UserInterface& ui) {
  Model& model = request.model;
  if (!request.plan.planFile.empty()) {
    model.flags.UseBaseServers = false;
    return ReadStartTimesFile(model, request.plan.planFile, ui);
  }
  if (model.flags.UseBaseServers) {
    installBaseStaffing(model);
    return true;
  }
  const auto refusal = ScheduleGridExit(model);
  if (refusal) ui.message(MessageKind::Error, *refusal);
  return !refusal;
}

// The plan in force kept in the files asked for: a start-times file, the scenario.
bool KeepPlan(const BatchRequest& request, UserInterface& ui) {
  const Model& model = request.model;
  if (!request.plan.writePlanFile.empty() &&
      !WriteStartTimesFile(model.staffing, request.plan.writePlanFile, ui))
    return false;
  return request.saveScenarioFile.empty() ||
         WriteScenarioFile(CurrentScenario(model, request.ga.settings, model.inputs.Forecast),
                           request.saveScenarioFile, ui);
}

void PrintResults(const BatchRequest& request, const GABatchResult& ga,
                  const TargetBatchResult& target, std::ostream& out) {
  const Model& model = request.model;
  if (!request.output.json) {
    PrintSummary(model, out);
    return;
  }
  std::vector<std::pair<const char*, std::string>> extra;
  if (request.ga.run) extra.emplace_back("ga", GAJson(ga));
  if (target.requirement)
    extra.emplace_back("Requirement", RequirementJson(target, onDutyInForce(model.staffing)));
  WriteResultJson(model, out, extra);
}

bool WriteTables(const BatchRequest& request, const TargetBatchResult& target, UserInterface& ui) {
  const OutputRequest& files = request.output;
  const Model& model = request.model;
  return (files.stepsFile.empty() || WriteFile(files.stepsFile, WriteStepTable, model, ui)) &&
         (files.minutesFile.empty() || WriteFile(files.minutesFile, WriteMinuteTable, model, ui)) &&
         WriteRequirementFile(request, target, ui);
}

}  // namespace

ExitStatus RunBatch(BatchRequest& request, std::ostream& out, UserInterface& ui,
                    std::ostream& progress) {
  if (const auto refusal = TradeoffExportRefusal(request)) {
    ui.message(MessageKind::Error, *refusal);
    return kExitBadArguments;
  }
  Model& model = request.model;
  // 1 - The servers on duty: the plan of a start-times file, or the base number all
  // day; the plan for the target in their place when asked for.
  if (!InstallStaffing(request, ui)) return kExitRefused;
  TargetBatchResult target;
  if (const ExitStatus status = RunTargetBatch(request, ui, target); status != kExitDone)
    return status;
  // 2 - A GA run puts its best plan in force, computed.
  GABatchResult ga;
  if (request.ga.run)
    if (const ExitStatus status = RunGABatch(request, target.seeds(), ui, progress, ga);
        status != kExitDone)
      return status;
  if (!KeepPlan(request, ui)) return kExitRefused;
  // 3 - Steady state of every minute, then the time-dependent solution and its measures.
  if (!request.ga.run && (!ComputeSteadyState(model, ui) ||
                          !ComputeTimeDependent(model, ui, request.precision)))
    return kExitRefused;
  // 4 - The results.
  PrintResults(request, ga, target, out);
  return WriteTables(request, target, ui) ? kExitDone : kExitRefused;
}

}  // namespace morvane::batch
