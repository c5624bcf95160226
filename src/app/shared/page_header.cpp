#include "shared/page_header.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

namespace {

QString& ScenarioName() {
  static QString name = "Untitled";
  return name;
}

}  // namespace

void setPrintedScenarioName(const QString& name) { ScenarioName() = name; }

QString pageHeaderText(const PageHeader& header, int page) {
  const QString scenario = header.scenario.isEmpty() ? ScenarioName() : header.scenario;
  return scenario + "    " + QLocale::system().toString(header.printed, QLocale::ShortFormat) +
         "    Page " + QString::number(page) + " of " + QString::number(header.pages);
}

void paintPageHeader(QPainter& painter, QPagedPaintDevice& device, const PageHeader& header, int page) {
  const int resolution = device.logicalDpiY();
  const QRectF full = device.pageLayout().fullRectPixels(resolution);
  const QRectF paper = device.pageLayout().paintRectPixels(resolution);
  painter.save();
  QFont font("Helvetica", 9);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const double line = QFontMetricsF(font, &device).height();
  // In the top margin where there is room for the line, else atop the printable area.
  const double top = paper.top() - full.top() >= 1.5 * line ? -1.25 * line : 0;
  painter.drawText(QRectF(0, top, paper.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                   pageHeaderText(header, page));
  painter.restore();
}
