#include "shared/chart_printing.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "shared/page_printing.h"

namespace {

// Charts go on paper as pictures of at most this many dots per inch: sharp on
// paper, and small enough to hold in memory (about 8 MB for a letter page).
constexpr double kMaxPictureDpi = 300;

}  // namespace

// The chart is drawn into a picture at the page's scale and the picture put on
// the page. Charts drawn straight onto PDF pages lose their legend entries to
// the legend's clipping, so the picture is what a printer and a PDF file get alike.
void paintChartPage(QWidget& chart, const PrintMargins& margins, QPainter& painter,
                    QPagedPaintDevice& device) {
  // The margins are measured on the whole sheet; the painter starts at the
  // printable area's corner.
  const int resolution = device.logicalDpiX();
  const QRectF page = device.pageLayout().fullRectPixels(resolution);
  const QPointF printable = device.pageLayout().paintRectPixels(resolution).topLeft();
  const QRectF area(page.left() + page.width() * margins.left / 100 - printable.x(),
                    page.top() + page.height() * margins.top / 100 - printable.y(),
                    page.width() * (100 - margins.left - margins.right) / 100,
                    page.height() * (100 - margins.top - margins.bottom) / 100);
  const QSizeF size = chart.size();
  const double scale = std::min(area.width() / size.width(), area.height() / size.height());
  const double pictureScale = scale * std::min(1.0, kMaxPictureDpi / resolution);
  QImage picture((size * pictureScale).toSize(), QImage::Format_RGB32);
  picture.setDevicePixelRatio(pictureScale);
  picture.fill(Qt::white);
  chart.render(&picture);
  const QSizeF shown = size * scale;
  painter.drawImage(QRectF(area.center() - QPointF(shown.width(), shown.height()) / 2, shown),
                    picture);
}

void printChart(QWidget& chart, const PrintMargins& margins, QWidget& parent,
                morvane::UserInterface& ui) {
  printPages(parent, ui, "chart", [&](QPainter& painter, QPagedPaintDevice& device) {
    paintChartPage(chart, margins, painter, device);
  });
}
