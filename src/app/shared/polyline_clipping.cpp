#include "shared/polyline_clipping.h"

#include <QLineF>
#include <optional>

namespace {

// Liang-Barsky: the segment p(t) = a + t (b - a), 0 <= t <= 1, is inside where
// for each edge  t * q_i <= r_i ; entering edges (q < 0) raise t0, leaving
// edges (q > 0) lower t1.
std::optional<QLineF> clippedSegment(const QLineF& segment, const QRectF& clip) {
  const double dx = segment.dx(), dy = segment.dy();
  const double q[4] = {-dx, dx, -dy, dy};
  const double r[4] = {segment.x1() - clip.left(), clip.right() - segment.x1(),
                       segment.y1() - clip.top(), clip.bottom() - segment.y1()};
  double t0 = 0, t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (q[i] == 0) {
      if (r[i] < 0) return std::nullopt;
      continue;
    }
    const double t = r[i] / q[i];
    if (q[i] < 0) {
      if (t > t1) return std::nullopt;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return std::nullopt;
      t1 = std::min(t1, t);
    }
  }
  return QLineF(segment.pointAt(t0), segment.pointAt(t1));
}

}  // namespace

QList<QPolygonF> clippedPolyline(const QPolygonF& line, const QRectF& clip) {
  QList<QPolygonF> pieces;
  bool joined = false;  // the last piece ends where the next segment starts
  for (qsizetype i = 0; i + 1 < line.size(); ++i) {
    const auto inside = clippedSegment(QLineF(line[i], line[i + 1]), clip);
    if (!inside) {
      joined = false;
      continue;
    }
    if (!joined) pieces.append(QPolygonF({inside->p1()}));
    pieces.last().append(inside->p2());
    joined = inside->p2() == line[i + 1];
  }
  return pieces;
}
