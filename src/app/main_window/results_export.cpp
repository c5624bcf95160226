#include "main_window/results_export.h"

#include <sstream>

#include "base/replace_file.h"
#include "report/result_tables.h"
#include "shared/file_choice_dialog.h"
#include "shared/file_to_write.h"

namespace {

const QString kMinuteFilter = "Per-minute results (*.csv)";
const QString kStepFilter = "Per-step results (*.csv)";

void SuggestName(QFileDialog* dialog, const QString& filter) {
  dialog->selectFile(filter == kStepFilter ? "steps.csv" : "minutes.csv");
}

const std::string kSteadyStateFirst =
    "There are no results to export yet.\rCompute the steady state probabilities first.";

}  // namespace

FileChoiceDialog* makeExportDialog(QWidget* window) {
  auto* dialog = new FileChoiceDialog(window, "ExportDialog", {kMinuteFilter, kStepFilter}, "csv");
  dialog->setWindowTitle("Export results");
  dialog->setOption(QFileDialog::DontConfirmOverwrite);
  QObject::connect(dialog, &QFileDialog::filterSelected, dialog,
                   [dialog](const QString& filter) { SuggestName(dialog, filter); });
  return dialog;
}

void ExportResults(FileChoiceDialog& dialog, const morvane::Model& model, ResultsShown shown,
                   morvane::UserInterface& ui) {
  if (!shown.steadyState) {
    ui.message(morvane::MessageKind::Information, kSteadyStateFirst);
    return;
  }
  // The dialog offers the tables that hold results of the inputs in force.
  dialog.setNameFilters(shown.timeDependent ? QStringList{kMinuteFilter, kStepFilter}
                                            : QStringList{kMinuteFilter});
  dialog.selectNameFilter(kMinuteFilter);
  SuggestName(&dialog, kMinuteFilter);
  const auto path = chooseFileToWrite(dialog, ui);
  if (!path) return;
  const bool perStep = dialog.selectedNameFilter() == kStepFilter;
  std::ostringstream table;
  if (perStep)
    morvane::WriteStepTable(model, table);
  else
    morvane::WriteMinuteTable(model, table);
  morvane::WriteWholeFile(*path, table.str(), ui);
}
