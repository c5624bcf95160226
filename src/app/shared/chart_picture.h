// Chart pictures on disk: a chart (its widget, legend included) written as a
// bitmap of what the screen shows or as a vector metafile, and the tradeoff
// chart's snapshots during a GA run. Files are written whole or not at all:
// the picture goes to a temporary file that replaces the target only when
// complete.
#pragma once

#include <QString>

#include "report/chart_picture_file.h"
#include "base/user_interface.h"

class QWidget;

// False when the file could not be written; any file of that name is then untouched.
bool writeChartPicture(QWidget& chart, const QString& fileName, morvane::PictureKind kind);

// "Save Every Nth one": on every 50th generation (0 included) writes the chart
// as a bitmap on a white background to "GAMap for Gen " + generation + ".bmp"
// in the current directory, replacing any file of that name. A file that cannot
// be written is reported through `ui`. True when a file was written.
bool saveTradeoffMap(QWidget& chart, int generation, morvane::UserInterface& ui);
