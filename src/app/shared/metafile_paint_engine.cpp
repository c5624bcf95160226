#include "shared/metafile_paint_engine.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>
#include <cmath>
#include <numbers>
#include <vector>

#include "shared/polyline_clipping.h"

namespace {

morvane::MetaColor metaColor(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
          static_cast<std::uint8_t>(rgb.blue())};
}

// A metafile brush is one colour: a gradient is shown by its last stop.
QColor brushColour(const QBrush& brush) {
  if (const QGradient* gradient = brush.gradient(); gradient && !gradient->stops().isEmpty())
    return gradient->stops().constLast().second;
  return brush.color();
}

morvane::MetaLineStyle lineStyle(Qt::PenStyle style) {
  switch (style) {
    case Qt::DashLine:
    case Qt::CustomDashLine: return morvane::MetaLineStyle::Dash;
    case Qt::DotLine: return morvane::MetaLineStyle::Dot;
    case Qt::DashDotLine: return morvane::MetaLineStyle::DashDot;
    case Qt::DashDotDotLine: return morvane::MetaLineStyle::DashDotDot;
    case Qt::NoPen: return morvane::MetaLineStyle::None;
    default: return morvane::MetaLineStyle::Solid;
  }
}

std::vector<morvane::MetaPoint> metaPoints(const QPolygonF& polygon) {
  std::vector<morvane::MetaPoint> points;
  points.reserve(polygon.size());
  for (const QPointF& p : polygon)
    points.push_back({static_cast<std::int32_t>(std::lround(p.x())),
                      static_cast<std::int32_t>(std::lround(p.y()))});
  return points;
}

morvane::MetaRect metaRect(const QRectF& rect) {
  const QRect r = rect.toAlignedRect();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Colours top row first, transparent parts laid on white.
std::vector<std::uint32_t> opaquePixels(const QImage& image) {
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  painter.end();
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(flat.width()) * flat.height());
  for (int y = 0; y < flat.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
    for (int x = 0; x < flat.width(); ++x) pixels.push_back(row[x] & 0xFFFFFF);
  }
  return pixels;
}

}  // namespace

MetafilePaintEngine::MetafilePaintEngine(morvane::MetafileCanvas& canvas)
    : QPaintEngine(QPaintEngine::AllFeatures), canvas_(canvas) {}

bool MetafilePaintEngine::begin(QPaintDevice*) {
  setActive(true);
  return true;
}

bool MetafilePaintEngine::end() {
  setActive(false);
  return true;
}

void MetafilePaintEngine::updateState(const QPaintEngineState& state) {
  const DirtyFlags flags = state.state();
  if (flags & DirtyTransform) transform_ = state.transform();
  if (flags & DirtyPen) pen_ = state.pen();
  if (flags & DirtyBrush) brush_ = state.brush();
  if (flags & (DirtyClipRegion | DirtyClipPath | DirtyClipEnabled)) {
    clip_.reset();
    if (painter()->hasClipping()) clip_ = transform_.mapRect(painter()->clipBoundingRect());
  }
}

bool MetafilePaintEngine::penVisible() const {
  return pen_.style() != Qt::NoPen && pen_.brush().style() != Qt::NoBrush &&
         brushColour(pen_.brush()).alpha() > 0;
}

bool MetafilePaintEngine::brushVisible() const {
  return brush_.style() != Qt::NoBrush && brushColour(brush_).alpha() > 0;
}

// How much the transform enlarges lengths.
double MetafilePaintEngine::scale() const { return std::sqrt(std::abs(transform_.determinant())); }

void MetafilePaintEngine::useShapeStyle(bool fill) {
  morvane::MetaPen pen{morvane::MetaLineStyle::None, 1, {}};
  if (penVisible()) {
    const double width = pen_.isCosmetic() ? pen_.widthF() : pen_.widthF() * scale();
    pen = {lineStyle(pen_.style()), std::max(1, static_cast<int>(std::lround(width))),
           metaColor(brushColour(pen_.brush()))};
  }
  canvas_.setPen(pen);
  canvas_.setBrush({!fill, fill ? metaColor(brushColour(brush_)) : morvane::MetaColor{}});
}

void MetafilePaintEngine::polylineOnCanvas(const QPolygonF& devicePoints) {
  if (!penVisible()) return;
  useShapeStyle(false);
  const auto pieces =
      clip_ ? clippedPolyline(devicePoints, *clip_) : QList<QPolygonF>{devicePoints};
  for (const QPolygonF& piece : pieces) canvas_.polyline(metaPoints(piece));
}

void MetafilePaintEngine::polygonOnCanvas(const QPolygonF& devicePoints) {
  if (!brushVisible() && !penVisible()) return;
  useShapeStyle(brushVisible());
  const QPolygonF shown = clip_ ? devicePoints.intersected(QPolygonF(*clip_)) : devicePoints;
  canvas_.polygon(metaPoints(shown));
}

// Filled areas first, outlines after, both as polygons of the path's curves.
void MetafilePaintEngine::drawPath(const QPainterPath& path) {
  const QList<QPolygonF> subpaths = path.toSubpathPolygons(transform_);
  if (brushVisible()) {
    const QPen pen = pen_;
    pen_ = Qt::NoPen;
    for (const QPolygonF& subpath : subpaths) polygonOnCanvas(subpath);
    pen_ = pen;
  }
  for (const QPolygonF& subpath : subpaths) polylineOnCanvas(subpath);
}

void MetafilePaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
  const QPolygonF device = transform_.map(QPolygonF(QList<QPointF>(points, points + count)));
  if (mode == PolylineMode)
    polylineOnCanvas(device);
  else
    polygonOnCanvas(device);
}

void MetafilePaintEngine::drawLines(const QLineF* lines, int count) {
  for (int i = 0; i < count; ++i)
    polylineOnCanvas(transform_.map(QPolygonF({lines[i].p1(), lines[i].p2()})));
}

void MetafilePaintEngine::drawRects(const QRectF* rects, int count) {
  for (int i = 0; i < count; ++i) {
    if (transform_.isRotating() || clip_) {
      polygonOnCanvas(transform_.map(QPolygonF(rects[i])));
      continue;
    }
    useShapeStyle(brushVisible());
    canvas_.rectangle(metaRect(transform_.mapRect(rects[i])));
  }
}

void MetafilePaintEngine::drawEllipse(const QRectF& rect) {
  const QRectF device = transform_.mapRect(rect);
  if (transform_.isRotating()) {
    QPainterPath path;
    path.addEllipse(rect);
    drawPath(path);
    return;
  }
  if (clip_ && !clip_->intersects(device)) return;
  useShapeStyle(brushVisible());
  canvas_.ellipse(metaRect(device));
}

void MetafilePaintEngine::drawPoints(const QPointF* points, int count) {
  for (int i = 0; i < count; ++i) {
    const QPointF p = transform_.map(points[i]);
    polylineOnCanvas(QPolygonF({p, p + QPointF(1, 0)}));
  }
}

// Text as text, so readers can find and edit it: the font's pixel height,
// the baseline angle of the transform, and each character's advance.
void MetafilePaintEngine::drawTextItem(const QPointF& origin, const QTextItem& item) {
  const QString text = item.text();
  const QPointF start = transform_.map(origin);
  if (text.isEmpty() || (clip_ && !clip_->adjusted(-2, -2, 2, 2).contains(start))) return;
  const QFont font = item.font();
  const double angle = std::atan2(transform_.m12(), transform_.m11()) * 180 / std::numbers::pi;
  const double pixels = QFontInfo(font).pixelSize() * scale();
  canvas_.setFont({static_cast<std::int32_t>(std::lround(pixels)), font.weight(), font.italic(),
                   static_cast<std::int32_t>(std::lround(-10 * angle)),
                   font.family().toStdU16String()});
  canvas_.setTextColor(metaColor(brushColour(pen_.brush())));
  const QFontMetricsF metrics(font);
  std::vector<std::int32_t> advances;
  for (const QChar c : text)
    advances.push_back(
        static_cast<std::int32_t>(std::lround(metrics.horizontalAdvance(c) * scale())));
  const std::u16string characters = text.toStdU16String();
  canvas_.text({static_cast<std::int32_t>(std::lround(start.x())),
                static_cast<std::int32_t>(std::lround(start.y()))},
               characters, advances);
}

void MetafilePaintEngine::drawPixmap(const QRectF& target, const QPixmap& pixmap,
                                     const QRectF& source) {
  drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
}

void MetafilePaintEngine::drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                                    Qt::ImageConversionFlags) {
  const QRectF device = transform_.mapRect(target);
  if (clip_ && !clip_->intersects(device)) return;
  const QImage part = image.copy(source.toAlignedRect());
  canvas_.image(metaRect(device), part.width(), part.height(), opaquePixels(part));
}
