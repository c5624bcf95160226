#include "batch/batch_run.h"

#include <fstream>

#include "batch/ga_batch.h"
#include "batch/machine_output.h"
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

}  // namespace

ExitStatus RunBatch(BatchRequest& request, std::ostream& out, UserInterface& ui,
                    std::ostream& progress) {
  if (const auto refusal = TradeoffExportRefusal(request)) {
    ui.message(MessageKind::Error, *refusal);
    return kExitBadArguments;
  }
  Model& model = request.model;
  // 1 - The servers on duty: the plan of a start-times file, or the base number all day.
  if (!InstallStaffing(request, ui)) return kExitRefused;
  // 2 - A GA run puts its best plan in force, computed.
  GABatchResult ga;
  if (request.ga.run)
    if (const ExitStatus status = RunGABatch(request, ui, progress, ga); status != kExitDone)
      return status;
  if (!request.plan.writePlanFile.empty() &&
      !WriteStartTimesFile(model.staffing, request.plan.writePlanFile, ui))
    return kExitRefused;
  if (!request.saveScenarioFile.empty() &&
      !WriteScenarioFile(CurrentScenario(model, request.ga.settings, model.inputs.Forecast),
                         request.saveScenarioFile, ui))
    return kExitRefused;
  // 3 - Steady state of every minute, then the time-dependent solution and its measures.
  if (!request.ga.run && (!ComputeSteadyState(model, ui) ||
                          !ComputeTimeDependent(model, ui, request.precision)))
    return kExitRefused;
  // 4 - The results.
  if (request.output.json && request.ga.run)
    WriteResultJson(model, out, {{"ga", GAJson(ga)}});
  else if (request.output.json)
    WriteResultJson(model, out);
  else
    PrintSummary(model, out);
  const OutputRequest& files = request.output;
  if (!files.stepsFile.empty() && !WriteFile(files.stepsFile, WriteStepTable, model, ui))
    return kExitRefused;
  if (!files.minutesFile.empty() && !WriteFile(files.minutesFile, WriteMinuteTable, model, ui))
    return kExitRefused;
  return kExitDone;
}

}  // namespace morvane::batch
