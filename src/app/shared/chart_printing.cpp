#include "shared/chart_printing.h"

#include <QCheckBox>
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

// While a chart is put on paper its legend names the series drawn, without the
// check boxes that show and hide them on screen.
class PaperLegend {
 public:
  explicit PaperLegend(QWidget& chart) : chart_(chart), sheet_(chart.styleSheet()) {
    for (QCheckBox* box : chart.findChildren<QCheckBox*>())
      if (!box->isChecked() && !box->isHidden()) {
        box->hide();
        hidden_ << box;
      }
    chart.setStyleSheet(sheet_ + "QCheckBox::indicator { width: 0px; height: 0px; }");
    chart.ensurePolished();
  }
  ~PaperLegend() {
    chart_.setStyleSheet(sheet_);
    for (QCheckBox* box : hidden_) box->show();
  }
  PaperLegend(const PaperLegend&) = delete;
  PaperLegend& operator=(const PaperLegend&) = delete;

 private:
  QWidget& chart_;
  QString sheet_;
  QList<QCheckBox*> hidden_;
};

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
  {
    const PaperLegend legend(chart);
    chart.render(&picture);
  }
  const QSizeF shown = size * scale;
  painter.drawImage(QRectF(area.center() - QPointF(shown.width(), shown.height()) / 2, shown),
                    picture);
}

void printChart(QWidget& chart, const PrintMargins& margins, QWidget& parent,
                morvane::UserInterface& ui) {
  printPages(parent, ui, "chart", [&](QPainter& painter, QPagedPaintDevice& device) {
    paintChartPage(chart, margins, painter, device);
  }, QPageLayout::Landscape);  // charts are wider than high
}
