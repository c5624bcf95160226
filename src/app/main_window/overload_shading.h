// The overloaded minutes of the steady state on a chart over the day: one
// shaded area on the chart's own axes, from 0 to the top of its vertical axis
// over each run of overloaded minutes, without a legend entry. When nobody
// hangs up the steady state holds only a placeholder there, so its curves
// break there too.
#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <vector>

#include "engine/overload.h"

class ChartPanel;
class QAreaSeries;
class QLineSeries;
class QValueAxis;

class OverloadShading : public QObject {
  Q_OBJECT

 public:
  OverloadShading(ChartPanel& chart, QValueAxis* minutes, QValueAxis* vertical);

  // Shades these runs (none: nothing), and keeps them shaded to the axis top.
  void show(const std::vector<morvane::MinuteRange>& ranges);

 private:
  void reshape();

  QAreaSeries* area_;
  QLineSeries* upper_;
  QValueAxis* vertical_;
  std::vector<morvane::MinuteRange> ranges_;
};

// The points of a per-minute curve (x = minute) outside the runs, as the
// pieces between them.
QList<QList<QPointF>> OutsideRanges(const QList<QPointF>& points,
                                    const std::vector<morvane::MinuteRange>& ranges);
