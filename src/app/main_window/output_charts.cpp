#include "main_window/output_charts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>

#include "engine/overload.h"
#include "main_window/overload_shading.h"
#include "shared/chart_panel.h"
#include "shared/entry_edit.h"
#include "shared/radio_group.h"
#include "report/output_series.h"

namespace {

const QColor kDarkBlue(0, 0, 128);
const QColor kGreen(0, 128, 0);
const QColor kDarkPurple(128, 0, 128);
const QColor kLime(0, 255, 0);
const QColor kOrange(255, 140, 0);
constexpr int kWidth = 3;
constexpr int kAutomatic = -1;
constexpr std::int32_t kAxisBoxHigh = 10000;

std::optional<double> FixedMax(std::int32_t max) {
  if (max == kAutomatic) return std::nullopt;
  return max;
}

}  // namespace

OutputCharts::OutputCharts(MorvaneApp& app, QWidget* parent)
    : QObject(parent),
      OutputChart(new ChartPanel("OutputChart", "Output Summary", parent)),
      OutputChart2(new ChartPanel("OutputChart2", "Output Summary", parent)),
      OutputChart3(new ChartPanel("OutputChart3", "Service Level", parent)),
      WhatToPlotGroup(new RadioGroup("WhatToPlotGroup", "What to plot?",
                                     {"# system", "P(wait)", "Service level"}, parent)),
      LeftAxisMaxEdit(new EntryEdit("LeftAxisMaxEdit", "", parent)),
      RightAxisMaxEdit(new EntryEdit("RightAxisMaxEdit", "", parent)),
      axisBoxes(new QWidget(parent)),
      app_(app) {
  number_ = build(OutputChart, "Arrival Rate, Service Capacity", "Number in System", "SS Number",
                  "Time Dep. Number");
  number_.right->setTitleBrush(Qt::red);
  number_.right->setLabelsColor(Qt::red);
  number_.right->setLinePenColor(Qt::red);
  pWait_ = build(OutputChart2, "Arrival Rate, Number in System", "Prob(Wait)", "SS P(Wait)",
                 "Time Dep. P(Wait)");
  OutputChart2->setAxisLimits(pWait_.bottom, 0, morvane::kMinutesPerDay);
  pAllBusy_ = OutputChart2->addSeries("Time Dep. P(all busy)", kOrange, kWidth, pWait_.bottom, pWait_.right);
  OutputChart2->hide();
  buildServiceChart();

  WhatToPlotGroup->setToolTip("Toggle between the Number in the system plot and the P(wait) plot");
  connect(WhatToPlotGroup, &RadioGroup::itemClicked, this, [this] {
    showChosenChart();
    emit redrawRequested();
  });

  auto* rows = new QFormLayout(axisBoxes);
  rows->addRow("Max Left Axis", LeftAxisMaxEdit);
  rows->addRow("Max Right Axis", RightAxisMaxEdit);
  rows->addRow(new QLabel("-1 means automatic", axisBoxes));
  LeftAxisMaxEdit->setEnabled(false);
  RightAxisMaxEdit->setEnabled(false);
  axisBoxes->hide();
  connect(LeftAxisMaxEdit, &EntryEdit::exited, this,
          [this] { axisBoxExit(LeftAxisMaxEdit, app_.model.LeftAxisMax); });
  connect(RightAxisMaxEdit, &EntryEdit::exited, this,
          [this] { axisBoxExit(RightAxisMaxEdit, app_.model.RightAxisMax); });
  LeftAxisMaxEdit->setText(QString::number(app_.model.LeftAxisMax));
  RightAxisMaxEdit->setText(QString::number(app_.model.RightAxisMax));
}

OutputCharts::Lines OutputCharts::build(ChartPanel* chart, const QString& leftTitle,
                                        const QString& rightTitle, const QString& measure,
                                        const QString& timeDependent) {
  Lines lines;
  lines.bottom = chart->addDayAxis();
  QValueAxis* bottom = lines.bottom;
  lines.left = chart->addAxis(Qt::AlignLeft, leftTitle);
  lines.right = chart->addAxis(Qt::AlignRight, rightTitle);
  chart->setAxisLimits(lines.left, 0, std::nullopt);
  chart->setAxisLimits(lines.right, 0, std::nullopt);
  lines.arrivals = chart->addSeries("Arrivals", kDarkBlue, kWidth, bottom, lines.left);
  lines.measure = chart->addSeries(measure, Qt::red, kWidth, bottom, lines.right);
  lines.timeDependent = chart->addSeries(timeDependent, kGreen, kWidth, bottom, lines.right);
  lines.capacity = chart->addSeries("Service Capacity", kDarkPurple, kWidth, bottom, lines.left, true);
  lines.overload = new OverloadShading(*chart, bottom, lines.left);
  return lines;
}

void OutputCharts::buildServiceChart() {
  QValueAxis* bottom = OutputChart3->addDayAxis();
  QValueAxis* left = serviceAxis_ = OutputChart3->addAxis(Qt::AlignLeft, "Service Level");
  OutputChart3->setAxisLimits(left, 0, 1);
  bottom->setTickCount(7);  // every 4 hours
  serviceTarget_ = OutputChart3->addSeries("Target", kDarkBlue, kWidth, bottom, left);
  steadyService_ = OutputChart3->addSeries("SS Service Level", Qt::red, kWidth, bottom, left);
  timeDepService_ = OutputChart3->addSeries("Time Dep. Service Level", kGreen, kWidth, bottom, left);
  OutputChart3->startLegendRow();  // one row would be wider than the chart
  steadyAbandoned_ = OutputChart3->addSeries("SS Abandonment", kOrange, kWidth, bottom, left);
  timeDepAbandoned_ = OutputChart3->addSeries("Time Dep. Abandonment", kDarkPurple, kWidth, bottom, left);
  serviceOverload_ = new OverloadShading(*OutputChart3, bottom, left);
  offerAbandonment();
  OutputChart3->hide();
}

// The abandonment curves have a legend entry while callers hang up.
bool OutputCharts::offerAbandonment() {
  const bool hangUp = app_.model.inputs.PatienceSeconds > 0;
  for (QLineSeries* series : {steadyAbandoned_, timeDepAbandoned_})
    OutputChart3->legendBox(series)->setVisible(hangUp);
  serviceAxis_->setTitleText(hangUp ? "Share of Callers" : "Service Level");
  return hangUp;
}

bool OutputCharts::pWaitChosen() const { return WhatToPlotGroup->itemIndex() == 1; }

ChartPanel* OutputCharts::chosenChart() const {
  ChartPanel* const charts[] = {OutputChart, OutputChart2, OutputChart3};
  return charts[WhatToPlotGroup->itemIndex()];
}

void OutputCharts::showChosenChart() {
  const int chosen = WhatToPlotGroup->itemIndex();
  OutputChart->setVisible(chosen == 0);
  OutputChart2->setVisible(chosen == 1);
  OutputChart3->setVisible(chosen == 2);
}

void OutputCharts::drawServiceLevel(bool timeDependentShown) {
  const morvane::Model& model = app_.model;
  const double target = static_cast<double>(model.inputs.ServiceLevelTarget / 100);
  OutputChart3->setPoints(serviceTarget_, QList<QPointF>{{0, target}, {morvane::kMinutesPerDay, target}});
  if (!timeDependentShown) return;
  OutputChart3->setPoints(timeDepService_, morvane::TimeDepServiceLevelSeries(model));
  if (offerAbandonment()) OutputChart3->setPoints(timeDepAbandoned_, morvane::TimeDepAbandonmentSeries(model));
}

void OutputCharts::axisBoxExit(EntryEdit* edit, std::int32_t& value) {
  ValidateIntEdit(edit, value, kAutomatic, kAxisBoxHigh, *app_.ui);
  emit redrawRequested();
}

// Steps 1-2 of the redraw: fixed maxima where asked for, else automatic; the
// probability axis of the P(wait) chart spans 0..1 while that chart is chosen.
void OutputCharts::setAxisMaxima() {
  const morvane::Model& model = app_.model;
  const auto left = FixedMax(model.LeftAxisMax);
  OutputChart->setAxisLimits(number_.left, 0, left);
  OutputChart2->setAxisLimits(pWait_.left, 0, left);
  auto right = FixedMax(model.RightAxisMax);
  OutputChart->setAxisLimits(number_.right, 0, right);
  if (!right && pWaitChosen()) right = 1;
  OutputChart2->setAxisLimits(pWait_.right, 0, right);
}

void OutputCharts::MMCProbOutput(ResultsShown shown) {
  setAxisMaxima();
  if (!app_.model.flags.DrawCharts) return;
  clear();
  if (!shown.steadyState) return;
  drawRates();
  drawSteadyState();
  drawServiceLevel(false);
  if (shown.timeDependent) drawTimeDependent();
}

void OutputCharts::drawSteadyState() {
  const morvane::Model& model = app_.model;
  const auto none = morvane::NoSteadyStateRanges(model);
  const auto pieces = [&none](const auto& points) { return OutsideRanges(QtPoints(points), none); };
  OutputChart->setPieces(number_.measure, pieces(morvane::SteadyNumberSeries(model)));
  OutputChart2->setPieces(pWait_.measure, pieces(morvane::SteadyPWaitSeries(model)));
  OutputChart3->setPieces(steadyService_, pieces(morvane::SteadyServiceLevelSeries(model)));
  if (offerAbandonment()) OutputChart3->setPoints(steadyAbandoned_, morvane::SteadyAbandonmentSeries(model));
  const auto overloaded = morvane::OverloadedRanges(model);
  for (OverloadShading* shading : {number_.overload, pWait_.overload, serviceOverload_}) shading->show(overloaded);
}

void OutputCharts::drawRates() {
  const auto arrivals = morvane::ArrivalSeries(app_.model);
  const auto capacity = morvane::CapacitySeries(app_.model);
  OutputChart->setPoints(number_.arrivals, arrivals);
  OutputChart2->setPoints(pWait_.arrivals, arrivals);
  OutputChart->setPoints(number_.capacity, capacity);
  OutputChart2->setPoints(pWait_.capacity, capacity);
}

void OutputCharts::ShowLambdaAndMu() {
  drawRates();
  number_.timeDependent->clear();
  pWait_.timeDependent->clear();
  pWait_.timeDependent->setPointsConfiguration({});
  pAllBusy_->clear();
}

void OutputCharts::drawTimeDependent() {
  const morvane::Model& model = app_.model;
  OutputChart->setPoints(number_.timeDependent, morvane::TimeDepNumberSeries(model));
  const auto pWait = morvane::TimeDepPWaitSeries(model);
  QHash<int, QHash<QXYSeries::PointConfiguration, QVariant>> lime;
  const QHash<QXYSeries::PointConfiguration, QVariant> limePoint{
      {QXYSeries::PointConfiguration::Color, kLime},
      {QXYSeries::PointConfiguration::Visibility, true},
      {QXYSeries::PointConfiguration::Size, kWidth}};
  for (std::size_t k = 0; k < pWait.size(); ++k)
    if (pWait[k].y > model.CriticalPWait) lime.insert(static_cast<int>(k), limePoint);
  OutputChart2->setPoints(pWait_.timeDependent, pWait);
  pWait_.timeDependent->setPointsConfiguration(lime);
  OutputChart2->setPoints(pAllBusy_, morvane::TimeDepPAllBusySeries(model));
  drawServiceLevel(true);
}

void OutputCharts::clear() {
  OutputChart->clearSeries();
  OutputChart2->clearSeries();
  OutputChart3->clearSeries();
  offerAbandonment();
  for (OverloadShading* shading : {number_.overload, pWait_.overload, serviceOverload_}) shading->show({});
}
