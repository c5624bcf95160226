// Clipping an open polyline to a rectangle: the parts inside, each as its own
// polyline, in drawing order.
#pragma once

#include <QList>
#include <QPolygonF>
#include <QRectF>

QList<QPolygonF> clippedPolyline(const QPolygonF& line, const QRectF& clip);
