#include "shared/chart_panel.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "engine/model.h"

namespace {

const char* const kStairsProperty = "stairs";
constexpr double kMinutesPerTick = 240;  // four hours

QIcon ColourIcon(const QColor& colour) {
  QPixmap pixmap(16, 6);
  pixmap.fill(colour);
  return QIcon(pixmap);
}

// Data range of the visible series attached to `axis`.
std::optional<std::pair<double, double>> DataRange(const QList<QXYSeries*>& all,
                                                   QValueAxis* axis) {
  std::optional<std::pair<double, double>> range;
  const bool horizontal = axis->orientation() == Qt::Horizontal;
  for (QXYSeries* series : all) {
    if (!series->isVisible() || !series->attachedAxes().contains(axis)) continue;
    for (const QPointF& point : series->points()) {
      const double v = horizontal ? point.x() : point.y();
      if (!range) range.emplace(v, v);
      range->first = std::min(range->first, v);
      range->second = std::max(range->second, v);
    }
  }
  return range;
}

// Labels with as many decimals as the step needs, so no two read alike.
QString LabelFormat(double step) {
  int decimals = 0;
  while (decimals < 10 && std::fabs(step - std::round(step)) > 1e-9 * std::max(1.0, step)) {
    step *= 10;
    ++decimals;
  }
  return QString("%.%1f").arg(decimals);
}

// The chart lays out the ticks after every change: a coarser step goes in
// before the range and a finer one after it, so that no layout in between
// counts more ticks than the old axis or the new one.
void ApplyScale(QValueAxis* axis, const morvane::AxisScale& scale) {
  if (scale.step > axis->tickInterval()) axis->setTickInterval(scale.step);  // 0 before the first
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setRange(scale.minimum, scale.maximum);
  axis->setTickInterval(scale.step);
  axis->setTickAnchor(scale.firstTick());
  axis->setLabelFormat(LabelFormat(scale.step));
}

}  // namespace

QList<QPointF> QtPoints(const std::vector<morvane::ChartPoint>& points) {
  QList<QPointF> qtPoints;
  qtPoints.reserve(static_cast<qsizetype>(points.size()));
  for (const morvane::ChartPoint& point : points)
    qtPoints.append(QPointF(static_cast<double>(point.x), static_cast<double>(point.y)));
  return qtPoints;
}

QList<QPointF> StairsPoints(const QList<QPointF>& points) {
  QList<QPointF> stairs;
  stairs.reserve(points.size() * 2);
  for (qsizetype i = 0; i < points.size(); ++i) {
    if (i > 0) stairs.append(QPointF(points[i].x(), points[i - 1].y()));
    stairs.append(points[i]);
  }
  return stairs;
}

bool IsStairs(const QXYSeries* series) { return series->property(kStairsProperty).toBool(); }

ChartPanel::ChartPanel(const QString& objectName, const QString& title, QWidget* parent)
    : QWidget(parent), chart_(new QChart), view_(new QChartView(chart_)), legend_(new QWidget),
      legendRows_(new QVBoxLayout(legend_)) {
  setObjectName(objectName);
  chart_->setTitle(title);
  chart_->legend()->hide();
  view_->setRenderHint(QPainter::Antialiasing);
  legendRows_->setContentsMargins(0, 0, 0, 0);
  startLegendRow();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(view_, 1);
  layout->addWidget(legend_);
  // Queued: the chart is in the middle of its layout when it announces the plot area.
  connect(chart_, &QChart::plotAreaChanged, this, &ChartPanel::makeRoomForTitles, Qt::QueuedConnection);
}

// A title along a vertical axis that is longer than the plot is high would be
// cut short: the chart keeps a height at which every such title fits whole.
void ChartPanel::makeRoomForTitles() {
  const QRectF plotArea = chart_->plotArea();
  double needed = 0;
  for (QAbstractAxis* axis : chart_->axes(Qt::Vertical)) {
    if (!axis->isVisible() || !axis->isTitleVisible()) continue;
    const QFontMetricsF metrics(axis->titleFont());
    needed = std::max(needed, metrics.horizontalAdvance(axis->titleText()) + 2 * metrics.height());
  }
  if (plotArea.height() <= 0 || plotArea.height() >= needed) return;  // not laid out, or room enough
  const double around = chart_->size().height() - plotArea.height();  // titles, labels, margins
  view_->setMinimumHeight(std::max(view_->minimumHeight(), static_cast<int>(std::ceil(needed + around))));
}

QValueAxis* ChartPanel::addAxis(Qt::Alignment side, const QString& title) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  chart_->addAxis(axis, side);
  if (side == Qt::AlignRight) axis->setGridLineVisible(false);
  limits_.insert(axis, Limits{});
  refitAxes();
  return axis;
}

QValueAxis* ChartPanel::addDayAxis() {
  QValueAxis* axis = addAxis(Qt::AlignBottom, "Time in Minutes");
  limits_[axis] = Limits{std::nullopt, std::nullopt, kMinutesPerTick, 0, morvane::kMinutesPerDay};
  refitAxes();
  return axis;
}

void ChartPanel::setAxisLimits(QValueAxis* axis, std::optional<double> min,
                               std::optional<double> max) {
  Limits& limits = limits_[axis];
  limits.min = min;
  limits.max = max;
  refitAxes();
}

void ChartPanel::setAxisScale(QValueAxis* axis, const morvane::AxisScale& scale) {
  limits_[axis] = Limits{scale.minimum, scale.maximum, scale.step};
  refitAxes();
}

void ChartPanel::setAxisMinimumStep(QValueAxis* axis, double step) {
  limits_[axis].minStep = step;
  refitAxes();
}

QLineSeries* ChartPanel::addSeries(const QString& title, const QColor& color, int width,
                                   QValueAxis* x, QValueAxis* y, bool stairs) {
  auto* series = new QLineSeries;
  series->setName(title);
  series->setProperty(kStairsProperty, stairs);
  chart_->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
  QPen pen(color);
  pen.setWidth(width);
  series->setPen(pen);
  series_.append(series);
  addLegendBox(series);
  return series;
}

QScatterSeries* ChartPanel::addPointSeries(QScatterSeries* series, QValueAxis* x, QValueAxis* y) {
  chart_->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
  pointSeries_.append(series);
  addLegendBox(series);
  return series;
}

QList<QXYSeries*> ChartPanel::allSeries() const {
  QList<QXYSeries*> all(series_.cbegin(), series_.cend());
  for (QScatterSeries* series : pointSeries_) all.append(series);
  for (const QList<QLineSeries*>& parts : parts_)
    for (QLineSeries* series : parts) all.append(series);
  return all;
}

void ChartPanel::addLegendBox(QXYSeries* series) {
  auto* box = new QCheckBox(series->name(), legend_);
  box->setObjectName(objectName() + "Legend" + QString::number(legendBoxes_.size() + 1));
  box->setChecked(true);
  box->setIcon(ColourIcon(series->color()));
  box->setFocusPolicy(Qt::NoFocus);
  legendLayout_->insertWidget(legendLayout_->count() - 1, box);
  legendBoxes_.insert(series, box);
  connect(box, &QCheckBox::toggled, this, [this, series](bool on) {
    series->setVisible(on);
    refitAxes();
  });
  connect(series, &QAbstractSeries::nameChanged, box, [box, series] { box->setText(series->name()); });
  connect(series, &QXYSeries::colorChanged, box,
          [box](const QColor& colour) { box->setIcon(ColourIcon(colour)); });
}

void ChartPanel::setPoints(QXYSeries* series, const QList<QPointF>& points) {
  series->replace(IsStairs(series) ? StairsPoints(points) : points);
  refitAxes();
}

// Part k (from 1) of `whole`, made when first needed.
QLineSeries* ChartPanel::part(QLineSeries* whole, qsizetype k) {
  QList<QLineSeries*>& parts = parts_[whole];
  while (parts.size() < k) {
    auto* piece = new QLineSeries;
    piece->setName(whole->name());
    chart_->addSeries(piece);
    for (QAbstractAxis* axis : whole->attachedAxes()) piece->attachAxis(axis);
    piece->setPen(whole->pen());
    piece->setVisible(whole->isVisible());
    connect(whole, &QAbstractSeries::visibleChanged, piece,
            [whole, piece] { piece->setVisible(whole->isVisible()); });
    parts.append(piece);
  }
  return parts[k - 1];
}

void ChartPanel::setPieces(QLineSeries* whole, const QList<QList<QPointF>>& pieces) {
  whole->replace(pieces.value(0));
  for (qsizetype k = 1; k < pieces.size(); ++k) part(whole, k)->replace(pieces[k]);
  const QList<QLineSeries*> parts = parts_.value(whole);
  for (qsizetype k = std::max<qsizetype>(pieces.size(), 1); k <= parts.size(); ++k) parts[k - 1]->clear();
  refitAxes();
}

void ChartPanel::setPoints(QXYSeries* series, const std::vector<morvane::ChartPoint>& points) {
  setPoints(series, QtPoints(points));
}

void ChartPanel::clearSeries() {
  for (QXYSeries* series : allSeries()) {
    series->clear();
    series->setPointsConfiguration({});
  }
  refitAxes();
}

QLineSeries* ChartPanel::seriesNamed(const QString& title) const {
  for (QLineSeries* series : series_)
    if (series->name() == title) return series;
  return nullptr;
}

void ChartPanel::setLegendVisible(bool visible) { legend_->setVisible(visible); }

void ChartPanel::startLegendRow() {
  legendLayout_ = new QHBoxLayout;
  legendLayout_->addStretch();
  legendRows_->addLayout(legendLayout_);
}

morvane::AxisScale ChartPanel::scaleOf(QValueAxis* axis, const Limits& limits) const {
  using morvane::AxisEnd;
  const auto data = DataRange(allSeries(), axis);
  const double low = limits.min.value_or(data ? data->first : limits.idleMin);
  const double high = limits.max.value_or(data ? data->second : limits.idleMax);
  const bool roomy = data && axis->orientation() == Qt::Vertical;
  const auto end = [roomy](const std::optional<double>& fixed) {
    return roomy && !fixed ? AxisEnd::Outward : AxisEnd::Exact;
  };
  morvane::AxisScale scale = morvane::FitAxis(low, high, end(limits.min), end(limits.max), limits.minStep);
  if (limits.step > 0) scale.step = limits.step;
  return scale;
}

void ChartPanel::refitAxes() {
  for (auto it = limits_.cbegin(); it != limits_.cend(); ++it)
    ApplyScale(it.key(), scaleOf(it.key(), it.value()));
}
