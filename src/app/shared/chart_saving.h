// The chart-saving command behind the save buttons of the main, GA and
// tradeoff windows: ask for a file name (again after a refused replace
// question), then write the picture its last three characters ask for.
#pragma once

#include <string>

#include "base/user_interface.h"

class FileChoiceDialog;
class QWidget;

// `dialog` is the window's save dialog (chartSaveDialog), `chart` the chart
// widget to save, `errorMessage` what a failed write shows ("Error in
// SaveGraph1Click", ...). Messages go through `ui`.
void saveChart(FileChoiceDialog& dialog, QWidget& chart, morvane::UserInterface& ui,
               const std::string& errorMessage);
