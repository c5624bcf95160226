#include "tradeoff_window/tradeoff_series.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtCharts/QScatterSeries>

namespace {

const QColor kPurple(128, 0, 128);
const QColor kGreen(0, 128, 0);
const QColor kFuchsia(255, 0, 255);
const QColor kOrange(255, 140, 0);
constexpr int kSquareSize = 9;
constexpr int kMarkerSize = 10;
constexpr int kTriangleSize = 5;

QScatterSeries* Marked(const QString& title, QScatterSeries::MarkerShape shape, const QColor& fill,
                       const QColor& outline) {
  auto* series = new QScatterSeries;
  series->setName(title);
  series->setMarkerShape(shape);
  series->setMarkerSize(kMarkerSize);
  series->setColor(fill);
  series->setBorderColor(outline);
  return series;
}

// A square shaded from white on the left to red on the right.
QImage SupportedMarker() {
  QImage image(kSquareSize, kSquareSize, QImage::Format_ARGB32_Premultiplied);
  QLinearGradient shade(0, 0, kSquareSize, 0);
  shade.setColorAt(0, Qt::white);
  shade.setColorAt(1, Qt::red);
  QPainter painter(&image);
  painter.fillRect(image.rect(), shade);
  painter.setPen(Qt::red);
  painter.drawRect(0, 0, kSquareSize - 1, kSquareSize - 1);
  return image;
}

// A triangle pointing down, fuchsia in the middle shading to blue, no outline.
QImage RandomMarker() {
  QImage image(kTriangleSize, kTriangleSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const double centre = kTriangleSize / 2.0;
  QRadialGradient shade(centre, centre, centre);
  shade.setColorAt(0, kFuchsia);
  shade.setColorAt(1, Qt::blue);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawPolygon(QPolygonF{{0, 0}, {double(kTriangleSize), 0}, {centre, double(kTriangleSize)}});
  return image;
}

QScatterSeries* Pictured(const QString& title, const QColor& colour, const QImage& marker) {
  auto* series = new QScatterSeries;
  series->setName(title);
  series->setMarkerSize(marker.width());
  series->setColor(colour);  // the legend's colour
  series->setLightMarker(marker);
  return series;
}

}  // namespace

QList<QScatterSeries*> makeTradeoffSeries() {
  return {Marked("Inferior", QScatterSeries::MarkerShapeCircle, kPurple, kPurple),
          Marked("CarryOver", QScatterSeries::MarkerShapeStar, kOrange, kOrange.darker()),
          Marked("NonInferior", QScatterSeries::MarkerShapeRotatedRectangle, kGreen, kGreen),
          Pictured("Supported", Qt::red, SupportedMarker()),
          Pictured("Random", Qt::blue, RandomMarker())};
}

Qt::CursorShape tradeoffCursor(TradeoffSeries series) {
  switch (series) {
    case TradeoffSeries::Inferior: return Qt::UpArrowCursor;
    case TradeoffSeries::CarryOver: return Qt::WhatsThisCursor;
    case TradeoffSeries::NonInferior: return Qt::PointingHandCursor;
    case TradeoffSeries::Supported: return Qt::CrossCursor;
    case TradeoffSeries::Random: return Qt::ArrowCursor;
  }
  return Qt::ArrowCursor;
}
