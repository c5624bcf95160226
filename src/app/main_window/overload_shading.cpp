#include "main_window/overload_shading.h"

#include <QtCharts/QAreaSeries>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

#include "shared/chart_panel.h"

namespace {

const QColor kShade(255, 0, 0, 48);  // light red, the curves show through

bool Inside(double minute, const std::vector<morvane::MinuteRange>& ranges) {
  return std::any_of(ranges.begin(), ranges.end(), [minute](const morvane::MinuteRange& range) {
    return range.from <= minute && minute < range.to;
  });
}

}  // namespace

OverloadShading::OverloadShading(ChartPanel& chart, QValueAxis* minutes, QValueAxis* vertical)
    : QObject(&chart), upper_(new QLineSeries(this)), vertical_(vertical) {
  area_ = new QAreaSeries(upper_);
  area_->setName("Overloaded");
  area_->setColor(kShade);
  area_->setBorderColor(Qt::transparent);
  chart.chart()->addSeries(area_);
  area_->attachAxis(minutes);
  area_->attachAxis(vertical);
  for (QLegendMarker* marker : chart.chart()->legend()->markers(area_)) marker->setVisible(false);
  connect(vertical, &QValueAxis::maxChanged, this, &OverloadShading::reshape);
}

void OverloadShading::show(const std::vector<morvane::MinuteRange>& ranges) {
  ranges_ = ranges;
  reshape();
}

// The upper line steps up at each run's start and down to 0 at its end.
void OverloadShading::reshape() {
  const double top = vertical_->max();
  QList<QPointF> points;
  for (const morvane::MinuteRange& range : ranges_)
    points << QPointF(range.from, 0) << QPointF(range.from, top) << QPointF(range.to, top)
           << QPointF(range.to, 0);
  upper_->replace(points);
}

QList<QList<QPointF>> OutsideRanges(const QList<QPointF>& points,
                                    const std::vector<morvane::MinuteRange>& ranges) {
  QList<QList<QPointF>> pieces(1);
  for (const QPointF& point : points) {
    if (!Inside(point.x(), ranges))
      pieces.back() << point;
    else if (!pieces.back().isEmpty())
      pieces.append(QList<QPointF>());
  }
  if (pieces.size() > 1 && pieces.back().isEmpty()) pieces.removeLast();
  return pieces;
}
