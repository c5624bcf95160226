#include "main_window/summary_printing.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include "shared/page_printing.h"

QFont summaryFont(int pointSize) {
  const QString named = QString::fromStdString(morvane::kSummaryFontFamily);
  QFont font = QFontDatabase::families().contains(named)
                   ? QFont(named)
                   : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(pointSize);
  return font;
}

void paintSummary(const std::vector<morvane::SummaryLine>& lines, QPainter& painter,
                  QPagedPaintDevice& device) {
  const QFont heading = summaryFont(morvane::kSummaryHeadingPointSize);
  const QFont body = summaryFont(morvane::kSummaryBodyPointSize);
  double top = 0;
  for (const morvane::SummaryLine& line : lines) {
    const QFont& font = line.style == morvane::SummaryStyle::Heading ? heading : body;
    const QFontMetricsF metrics(font, &device);
    if (top > 0 && top + metrics.height() > device.height()) {
      device.newPage();
      top = 0;
    }
    painter.setFont(font);
    painter.drawText(QPointF(0, top + metrics.ascent()), QString::fromStdString(line.text));
    top += metrics.lineSpacing();
  }
}

void printSummary(const std::vector<morvane::SummaryLine>& lines, QWidget& parent,
                  morvane::UserInterface& ui) {
  printPages(parent, ui, "summary", [&lines](QPainter& painter, QPagedPaintDevice& device) {
    paintSummary(lines, painter, device);
  });
}
