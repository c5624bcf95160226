// One chart with its legend underneath: the chart-view boilerplate every
// window shares. The legend has a check box per series that hides and shows
// it; axes are automatic unless given fixed limits, and their ticks fall on
// round numbers, four to eight labels; stairs series draw each value flat up
// to the next point.
#pragma once

#include <QHash>
#include <QList>
#include <QPointF>
#include <QWidget>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <optional>
#include <vector>

#include "base/chart_point.h"
#include "report/axis_scale.h"

class QCheckBox;
class QHBoxLayout;
class QVBoxLayout;

class ChartPanel : public QWidget {
  Q_OBJECT

 public:
  // objectName names the chart (the control name); title is the chart's title.
  ChartPanel(const QString& objectName, const QString& title, QWidget* parent = nullptr);

  QChart* chart() const { return chart_; }
  QChartView* view() const { return view_; }

  // A right axis draws no grid lines of its own: they would cross the left axis's.
  QValueAxis* addAxis(Qt::Alignment side, const QString& title);
  // The bottom axis "Time in Minutes" over the day, a tick every four hours;
  // automatic, it spans the whole day while no series has points.
  QValueAxis* addDayAxis();
  // Fixed limits of an axis; std::nullopt makes that end automatic: a
  // horizontal axis runs over the data, a vertical one leaves a little room
  // past it up to the next tick.
  void setAxisLimits(QValueAxis* axis, std::optional<double> min, std::optional<double> max);
  // Fixed limits and ticks, as the caller scaled them.
  void setAxisScale(QValueAxis* axis, const morvane::AxisScale& scale);
  // Automatic ticks no closer than `step` (1: whole numbers only, for counts).
  void setAxisMinimumStep(QValueAxis* axis, double step);

  QLineSeries* addSeries(const QString& title, const QColor& color, int width, QValueAxis* x,
                         QValueAxis* y, bool stairs = false);
  // A series drawn as points only, styled by the caller; the chart owns it from here on.
  QScatterSeries* addPointSeries(QScatterSeries* series, QValueAxis* x, QValueAxis* y);
  QList<QScatterSeries*> pointSeries() const { return pointSeries_; }
  // Replaces the points of one of this chart's series and refits the axes.
  void setPoints(QXYSeries* series, const QList<QPointF>& points);
  void setPoints(QXYSeries* series, const std::vector<morvane::ChartPoint>& points);
  // Draws `whole` as separate polylines: the first in the series itself, each
  // further one in a part drawn with its pen on its axes, shown and hidden with
  // it, without a legend entry of its own.
  void setPieces(QLineSeries* whole, const QList<QList<QPointF>>& pieces);
  // Empties every series and drops its per-point colours.
  void clearSeries();
  QList<QLineSeries*> series() const { return series_; }
  QLineSeries* seriesNamed(const QString& title) const;

  void setLegendVisible(bool visible);
  // The legend entries of the series added from here on go on a row of their own
  // under the others (a row whose entries are all hidden takes no room).
  void startLegendRow();
  QCheckBox* legendBox(QAbstractSeries* series) const { return legendBoxes_.value(series); }

  // Fits every automatic axis end to the visible series on that axis.
  void refitAxes();

 private:
  struct Limits {
    std::optional<double> min, max;
    double step = 0;                  // of the ticks; 0: whatever gives four to eight labels
    double idleMin = 0, idleMax = 1;  // the automatic ends while no series has points
    double minStep = 0;               // the closest automatic ticks may come
  };
  morvane::AxisScale scaleOf(QValueAxis* axis, const Limits& limits) const;

  void addLegendBox(QXYSeries* series);
  void makeRoomForTitles();
  QLineSeries* part(QLineSeries* whole, qsizetype k);
  QList<QXYSeries*> allSeries() const;

  QChart* chart_;
  QChartView* view_;
  QWidget* legend_;
  QVBoxLayout* legendRows_;
  QHBoxLayout* legendLayout_ = nullptr;  // the row new entries go on
  QList<QLineSeries*> series_;
  QList<QScatterSeries*> pointSeries_;
  QHash<QLineSeries*, QList<QLineSeries*>> parts_;  // of each series drawn in pieces
  QHash<QAbstractSeries*, QCheckBox*> legendBoxes_;
  QHash<QValueAxis*, Limits> limits_;
};

// The core's points as Qt's.
QList<QPointF> QtPoints(const std::vector<morvane::ChartPoint>& points);
// The points of a step curve through `points`: each value runs flat to the next x.
QList<QPointF> StairsPoints(const QList<QPointF>& points);
// True for series that ChartPanel draws as stairs.
bool IsStairs(const QXYSeries* series);
