// Printing a chart on one landscape page, within print margins given in percent
// of the page, scaled to fit them with its proportions kept and centred between
// them; the legend shows without its check boxes.
#pragma once

#include "base/user_interface.h"

class QPagedPaintDevice;
class QPainter;
class QWidget;

// Left, top, right and bottom margins in percent of the page width or height.
struct PrintMargins {
  double left, top, right, bottom;
};
inline constexpr PrintMargins kOutputChartMargins{15, 16, 15,
                                                  16};  // the main window's three charts
inline constexpr PrintMargins kGAChartMargins{15, 39, 15, 39};
inline constexpr PrintMargins kTradeoffChartMargins{15, 14, 15, 14};
inline constexpr PrintMargins kDefaultChartMargins{15, 15, 15, 15};  // ProgressChart

void paintChartPage(QWidget& chart, const PrintMargins& margins, QPainter& painter,
                    QPagedPaintDevice& device);

// The chart on the default printer, or a PDF file when none is installed
// (page_printing.h). `parent` is the chart's window.
void printChart(QWidget& chart, const PrintMargins& margins, QWidget& parent,
                morvane::UserInterface& ui);
