#include "main_window/probability_plots.h"

#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <optional>

#include "shared/chart_panel.h"
#include "shared/entry_edit.h"
#include "shared/radio_group.h"
#include "report/output_series.h"

namespace {

constexpr std::int32_t kEarliest = -1;  // accepted; leaves the curve empty
const char* const kTimeBoxNames[] = {"TimeToPlotEdit", "TimeToPlot2Edit", "TimeToPlot3Edit",
                                     "TimeToPlot4Edit"};
const char* const kChoiceNames[] = {"FirstPlotRadio", "SecondPlotRadio", "ThirdPlotRadio",
                                    "FourthPlotRadio"};
const char* const kChoiceCaptions[] = {"First Plot", "Second Plot", "Third Plot", "Fourth Plot"};
const QColor kCurveColours[] = {Qt::red, Qt::blue, Qt::black, QColor(0, 128, 0)};
constexpr int kCurveWidth = 2;
// The state limit of a curve: at least ten times the most servers on duty.
constexpr std::int32_t kStatesPerServer = 10;
// The state axis ends past the last state whose probability shows: at least
// this share of the tallest drawn (below a pixel on the chart).
constexpr double kShowingShare = 1e-3;

// The last state any curve shows, or nothing without points.
std::optional<double> LastShownState(const QList<QList<QPointF>>& curves) {
  double tallest = 0;
  for (const QList<QPointF>& curve : curves)
    for (const QPointF& point : curve) tallest = std::max(tallest, point.y());
  std::optional<double> last;
  for (const QList<QPointF>& curve : curves)
    for (const QPointF& point : curve)
      if (point.y() > 0 && point.y() >= kShowingShare * tallest) last = std::max(last.value_or(0), point.x());
  return last;
}

}  // namespace

ProbabilityPlots::ProbabilityPlots(MorvaneApp& app, QWidget* parent)
    : QObject(parent), Chart1(new ChartPanel("Chart1", "STATE PROBABILITIES", parent)),
      controls(new QWidget(parent)), app_(app) {
  QValueAxis* bottom = Chart1->addAxis(Qt::AlignBottom, "State");
  QValueAxis* left = Chart1->addAxis(Qt::AlignLeft, "Probability");
  Chart1->setAxisLimits(left, 0, std::nullopt);
  Chart1->setAxisMinimumStep(bottom, 1);
  states_ = bottom;

  auto* grid = new QGridLayout(controls);
  grid->setContentsMargins(0, 0, 0, 0);
  auto* caption = new QLabel("&Times to Plot (min)", controls);
  grid->addWidget(caption, 0, 0, 1, kCurves);
  for (int k = 0; k < kCurves; ++k) {
    Chart1->addSeries("Prob" + QString::number(k + 1), kCurveColours[k], kCurveWidth, bottom, left,
                      true);
    timeBoxes[k] = new EntryEdit(kTimeBoxNames[k], "Specify a time slice", controls);
    choices[k] = new RadioGroup(kChoiceNames[k], kChoiceCaptions[k], {"None", "Steady", "Time Dep."},
                                controls);
    choices[k]->setToolTip("Choose display (None, steady-state probability, transient probability)");
    grid->addWidget(timeBoxes[k], 1, k);
    grid->addWidget(choices[k], 2, k);
    connect(timeBoxes[k], &EntryEdit::exited, this, [this, k] {
      ValidateIntEdit(timeBoxes[k], plotTimes_[k], kEarliest, morvane::kMinutesPerDay, *app_.ui);
      emit redrawRequested();
    });
    connect(choices[k], &RadioGroup::itemClicked, this, &ProbabilityPlots::redrawRequested);
  }
  caption->setBuddy(timeBoxes[0]);
}

void ProbabilityPlots::clear() { Chart1->clearSeries(); }

void ProbabilityPlots::PlotProbabilities(ResultsShown shown) {
  clear();
  const std::int32_t stateLimit = kStatesPerServer * app_.model.staffing.MaxServersOnDuty;
  QList<QList<QPointF>> curves;
  for (int k = 0; k < kCurves; ++k) curves << plotCurve(k, stateLimit, shown);
  fitStates(curves);
  for (int k = 0; k < kCurves; ++k) Chart1->setPoints(Chart1->series()[k], curves[k]);
}

// The state axis over the states the curves show, out to a round tick.
void ProbabilityPlots::fitStates(const QList<QList<QPointF>>& curves) {
  const std::optional<double> last = LastShownState(curves);
  if (!last) return Chart1->setAxisLimits(states_, 0, std::nullopt);
  using morvane::AxisEnd;
  Chart1->setAxisLimits(states_, 0, morvane::FitAxis(0, *last + 1, AxisEnd::Exact, AxisEnd::Outward, 1).maximum);
}

QList<QPointF> ProbabilityPlots::plotCurve(int curve, std::int32_t stateLimit, ResultsShown shown) {
  const morvane::Model& model = app_.model;
  QLineSeries* series = Chart1->series()[curve];
  const std::int32_t t = plotTimes_[curve];
  const bool inDay = 0 <= t && t <= morvane::kMinutesPerDay;
  series->setName("Prob" + QString::number(curve + 1));
  switch (choices[curve]->itemIndex()) {
    case Steady:
      if (!inDay) return {};
      timeBoxes[curve]->setText(QString::number(t));
      series->setName("SS T=" + QString::number(t));
      if (!shown.steadyState) return {};
      return QtPoints(morvane::DistributionSeries(model.minutes.SteadyVectors[t], stateLimit));
    case TimeDep: {
      series->setName("TD T=" + QString::number(t));
      if (!inDay) return {};
      timeBoxes[curve]->setText(QString::number(t));
      // Only steps the last time-dependent run computed hold a distribution.
      const std::int32_t step = morvane::PlotStep(t, model.inputs.TimeStepSeconds);
      if (!shown.timeDependent || step > model.steps.NumSteps ||
          step >= std::ssize(model.steps.TimeDepVectors))
        return {};
      return QtPoints(morvane::DistributionSeries(model.steps.TimeDepVectors[step], stateLimit));
    }
    default: return {};
  }
}
