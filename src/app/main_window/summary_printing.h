// The printed input/output summary: its lines laid out as a text document,
// one under the other in a monospaced font so the values line up, headings
// large and the body small, on as many pages as they need.
#pragma once

#include <QFont>
#include <vector>

#include "report/summary_lines.h"
#include "base/user_interface.h"

class QPagedPaintDevice;
class QPainter;
class QWidget;

// "Monospac821 DL" at `pointSize` where installed, else the system's fixed-pitch font.
QFont summaryFont(int pointSize);

// Lays the lines out from the top of the first page on `painter`, begun on `device`.
void paintSummary(const std::vector<morvane::SummaryLine>& lines, QPainter& painter,
                  QPagedPaintDevice& device);

// "&Print Input/Output Summary": the lines on the default printer, or a PDF
// file when none is installed (page_printing.h). `parent` is the main window.
void printSummary(const std::vector<morvane::SummaryLine>& lines, QWidget& parent,
                  morvane::UserInterface& ui);
