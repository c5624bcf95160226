// The paint engine behind metafile pictures: it turns what a QPainter draws
// (paths, lines, polygons, rectangles, ellipses, text, pixmaps) into the
// drawing records of a metafile canvas, in device pixels, clipped to the
// painter's clip rectangle.
#pragma once

#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <QTransform>
#include <optional>

#include "pictures/metafile_canvas.h"

class MetafilePaintEngine : public QPaintEngine {
 public:
  explicit MetafilePaintEngine(morvane::MetafileCanvas& canvas);

  bool begin(QPaintDevice* device) override;
  bool end() override;
  void updateState(const QPaintEngineState& state) override;
  Type type() const override { return QPaintEngine::User; }

  void drawPath(const QPainterPath& path) override;
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
  void drawLines(const QLineF* lines, int count) override;
  void drawRects(const QRectF* rects, int count) override;
  void drawEllipse(const QRectF& rect) override;
  void drawPoints(const QPointF* points, int count) override;
  void drawTextItem(const QPointF& origin, const QTextItem& item) override;
  void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override;
  void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                 Qt::ImageConversionFlags flags) override;

 private:
  bool penVisible() const;
  bool brushVisible() const;
  double scale() const;
  void useShapeStyle(bool fill);
  void polylineOnCanvas(const QPolygonF& devicePoints);
  void polygonOnCanvas(const QPolygonF& devicePoints);

  morvane::MetafileCanvas& canvas_;
  QTransform transform_;  // logical to device pixels
  QPen pen_;
  QBrush brush_;
  std::optional<QRectF> clip_;  // in device pixels
};
