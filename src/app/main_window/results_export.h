// "Export results...": the day's results as a CSV table for a spreadsheet,
// per minute (the steady state of the inputs in force) or per time step (the
// time-dependent results shown), chosen by the filter of the export dialog,
// which offers only the tables that hold results of the inputs in force.
#pragma once

#include "base/user_interface.h"
#include "engine/model.h"
#include "main_window/results_shown.h"

class FileChoiceDialog;
class QWidget;

// The window's dialog "ExportDialog": per-minute and per-step filters, no
// replace question of its own (the export asks it); the name it suggests is
// the chosen table's, minutes.csv or steps.csv.
FileChoiceDialog* makeExportDialog(QWidget* window);

// Asks for the file and the table, then writes it whole or tells why not.
void ExportResults(FileChoiceDialog& dialog, const morvane::Model& model, ResultsShown shown,
                   morvane::UserInterface& ui);
