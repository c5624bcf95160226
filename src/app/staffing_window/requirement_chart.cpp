#include "staffing_window/requirement_chart.h"

namespace {

// A wide light band under the other lines: it shows where they run on it.
const QColor kExactColour(255, 170, 60);
constexpr int kExactWidth = 7;
constexpr qreal kShortMarkSize = 7;

QScatterSeries* ShortMarks() {
  auto* marks = new QScatterSeries;
  marks->setName(QStringLiteral("Short of staff"));
  marks->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  marks->setMarkerSize(kShortMarkSize);
  marks->setColor(Qt::red);
  marks->setBorderColor(Qt::darkRed);
  return marks;
}

}  // namespace

RequirementChart::RequirementChart(QWidget* parent)
    : ChartPanel(QStringLiteral("RequirementChart"), QStringLiteral("Servers Required vs. On Duty"), parent) {
  setToolTip(QStringLiteral("Servers each quarter-hour needs to meet the service target (Erlang C, "
                            "Erlang A when callers hang up, and exactly once Plan for target has "
                            "run), the servers on duty, and the periods short of staff"));
  QValueAxis* minutes = addDayAxis();
  QValueAxis* servers = addAxis(Qt::AlignLeft, QStringLiteral("Servers"));
  setAxisLimits(minutes, 0.0, 1440.0);
  setAxisLimits(servers, 0.0, std::nullopt);
  setAxisMinimumStep(servers, 1);
  exact_ = addSeries(QStringLiteral("Exact"), kExactColour, kExactWidth, minutes, servers, true);
  erlangC_ = addSeries(QStringLiteral("Erlang C"), Qt::blue, 2, minutes, servers, true);
  QPen dashed = erlangC_->pen();
  dashed.setStyle(Qt::DashLine);
  erlangC_->setPen(dashed);
  onDuty_ = addSeries(QStringLiteral("On duty"), Qt::black, 2, minutes, servers, true);
  short_ = addPointSeries(ShortMarks(), minutes, servers);
}

void RequirementChart::draw(const morvane::RequirementChartSeries& series, bool callersHangUp) {
  erlangC_->setName(callersHangUp ? QStringLiteral("Erlang A requirement") : QStringLiteral("Erlang C"));
  setPoints(exact_, series.exact);
  setPoints(erlangC_, series.erlangC);
  setPoints(onDuty_, series.onDuty);
  setPoints(short_, series.shortPeriods);
}
