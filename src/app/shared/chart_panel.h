// One chart with its legend underneath: the chart-view boilerplate every
// window shares. The legend has a check box per series that hides and shows
// it; axes are automatic unless given fixed limits; stairs series draw each
// value flat up to the next point.
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

class QCheckBox;
class QHBoxLayout;

class ChartPanel : public QWidget {
  Q_OBJECT

 public:
  // objectName names the chart (the control name); title is the chart's title.
  ChartPanel(const QString& objectName, const QString& title, QWidget* parent = nullptr);

  QChart* chart() const { return chart_; }
  QChartView* view() const { return view_; }

  QValueAxis* addAxis(Qt::Alignment side, const QString& title);
  // Fixed limits of an axis; std::nullopt makes that end automatic (fitted to the data).
  void setAxisLimits(QValueAxis* axis, std::optional<double> min, std::optional<double> max);
  // Fixed limits with a tick every `step` (a power of ten) from the minimum,
  // labelled with as many decimals as the step needs, so no two labels read alike.
  void setAxisSteps(QValueAxis* axis, double min, double max, double step);

  QLineSeries* addSeries(const QString& title, const QColor& color, int width, QValueAxis* x,
                         QValueAxis* y, bool stairs = false);
  // A series drawn as points only, styled by the caller; the chart owns it from here on.
  QScatterSeries* addPointSeries(QScatterSeries* series, QValueAxis* x, QValueAxis* y);
  QList<QScatterSeries*> pointSeries() const { return pointSeries_; }
  // Replaces the points of one of this chart's series and refits the axes.
  void setPoints(QXYSeries* series, const QList<QPointF>& points);
  void setPoints(QXYSeries* series, const std::vector<morvane::ChartPoint>& points);
  // Empties every series and drops its per-point colours.
  void clearSeries();
  QList<QLineSeries*> series() const { return series_; }
  QLineSeries* seriesNamed(const QString& title) const;

  void setLegendVisible(bool visible);
  QCheckBox* legendBox(QAbstractSeries* series) const { return legendBoxes_.value(series); }

  // Fits every automatic axis end to the visible series on that axis.
  void refitAxes();

 private:
  struct Limits {
    std::optional<double> min, max;
  };

  void addLegendBox(QXYSeries* series);
  QList<QXYSeries*> allSeries() const;

  QChart* chart_;
  QChartView* view_;
  QWidget* legend_;
  QHBoxLayout* legendLayout_;
  QList<QLineSeries*> series_;
  QList<QScatterSeries*> pointSeries_;
  QHash<QAbstractSeries*, QCheckBox*> legendBoxes_;
  QHash<QValueAxis*, Limits> limits_;
};

// The points of a step curve through `points`: each value runs flat to the next x.
QList<QPointF> StairsPoints(const QList<QPointF>& points);
// True for series that ChartPanel draws as stairs.
bool IsStairs(const QXYSeries* series);
