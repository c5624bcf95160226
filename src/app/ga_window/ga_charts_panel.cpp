#include "ga_window/ga_charts_panel.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shared/chart_panel.h"
#include "shared/chart_printing.h"
#include "shared/chart_saving.h"
#include "shared/file_choice_dialog.h"

namespace {

constexpr double kArrowTop = 1;
constexpr double kHeadHeight = 0.1;
constexpr double kHeadShare = 0.006;  // of the axis span, each side of an arrow
constexpr double kGAChartTop = 1.25;
constexpr int kArrowWidth = 2;
constexpr int kGAChartMinimumHeight = 200;  // title, arrows, labels and axis title whole
constexpr int kLineWidth = 2;
const QColor kGreen(0, 128, 0);

// The limits the run computed, with four to eight labels between them where
// ticks no closer than minStep allow.
void SetLimits(ChartPanel& chart, QValueAxis* axis, const morvane::AxisLimits& limits, double minStep = 0) {
  using morvane::AxisEnd;
  chart.setAxisScale(axis, morvane::FitAxis(limits.minimum, limits.maximum, AxisEnd::Exact, AxisEnd::Exact, minStep));
}

}  // namespace

QList<QList<QPointF>> Arrows(const std::vector<double>& xs, double headWidth) {
  QList<QList<QPointF>> arrows;
  const double shoulder = kArrowTop - kHeadHeight;
  for (const double x : xs)
    arrows.append({QPointF(x, 0), QPointF(x, kArrowTop), QPointF(x - headWidth, shoulder),
                   QPointF(x, kArrowTop), QPointF(x + headWidth, shoulder)});
  return arrows;
}

GAChartsPanel::GAChartsPanel(morvane::UserInterface& ui, QWidget* parent)
    : QWidget(parent), ui_(ui), SaveMap(makeChartSaveDialog(this, "SaveMap")) {
  buildGAChart();
  buildProgressChart();
  QPushButton* printGraph = button("PrintGraphButton", "&Print Graph");
  QPushButton* saveGraph = button("SaveGraphButton", "S&Ave Graph");
  QPushButton* printProgress = button("PrintProgressChartButton", "P&Rint");
  QPushButton* saveProgress = button("SaveProgressChartButton", "Sa&Ve");
  connect(printGraph, &QPushButton::clicked, this,  // PrintGraphButtonClick
          [this] { printChart(*GAChart, kGAChartMargins, *window(), ui_); });
  connect(saveGraph, &QPushButton::clicked, this,  // SaveGraphButtonClick
          [this] { saveChart(*SaveMap, *GAChart, ui_, "Error in SaveGraphButtonClick"); });
  connect(printProgress, &QPushButton::clicked, this,  // PrintProgressChartButtonClick
          [this] { printChart(*ProgressChart, kDefaultChartMargins, *window(), ui_); });
  connect(saveProgress, &QPushButton::clicked, this,  // SaveProgressChartButtonClick
          [this] { saveChart(*SaveMap, *ProgressChart, ui_, "Error in SaveProgressChartButtonClick"); });

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(GAChart, 0, 0, 3, 1);
  layout->addWidget(printGraph, 0, 1);
  layout->addWidget(saveGraph, 1, 1);
  layout->addWidget(ProgressChart, 3, 0, 3, 1);
  layout->addWidget(printProgress, 3, 1);
  layout->addWidget(saveProgress, 4, 1);
  layout->setRowStretch(2, 1);
  layout->setRowStretch(5, 1);
}

QPushButton* GAChartsPanel::button(const char* name, const QString& caption) {
  auto* command = new QPushButton(caption, this);
  command->setObjectName(name);
  buttons_ << command;
  return command;
}

void GAChartsPanel::buildGAChart() {
  GAChart = new ChartPanel("GAChart", "Approximate Distribution of Current Generation", this);
  GAChart->view()->setMinimumHeight(kGAChartMinimumHeight);
  objectiveAxis_ = GAChart->addAxis(Qt::AlignBottom, "Objective Function Value");
  QValueAxis* height = GAChart->addAxis(Qt::AlignLeft, "");
  height->setVisible(false);
  GAChart->setAxisLimits(height, 0, kGAChartTop);
  carryover_ = GAChart->addSeries("Carryover", Qt::red, kArrowWidth, objectiveAxis_, height);
  import_ = GAChart->addSeries("Import", kGreen, kArrowWidth, objectiveAxis_, height);
  crossover_ = GAChart->addSeries("Crossover", Qt::blue, kArrowWidth, objectiveAxis_, height);
}

void GAChartsPanel::buildProgressChart() {
  ProgressChart = new ChartPanel("ProgressChart", "Algorithm Progress", this);
  generation_ = ProgressChart->addAxis(Qt::AlignBottom, "Generation");
  progressLeft_ = ProgressChart->addAxis(Qt::AlignLeft, "Ojbective Function Value");
  progressRight_ = ProgressChart->addAxis(Qt::AlignRight, "Generations w/out change");
  ProgressChart->chart()->setLocalizeNumbers(true);  // the system's thousands separators
  objectiveValue_ =
      ProgressChart->addSeries("Objective Value", Qt::red, kLineWidth, generation_, progressLeft_);
  noChange_ =
      ProgressChart->addSeries("Gen. no change", Qt::darkBlue, kLineWidth, generation_, progressRight_);
}

void GAChartsPanel::clear() {
  GAChart->clearSeries();
  ProgressChart->clearSeries();
}

void GAChartsPanel::plot(const morvane::GenerationPlot& plot) {
  const double span = plot.bottom.maximum - plot.bottom.minimum;
  SetLimits(*GAChart, objectiveAxis_, plot.bottom);
  GAChart->setPieces(carryover_, Arrows(plot.carryover, span * kHeadShare));
  GAChart->setPieces(import_, Arrows(plot.import, span * kHeadShare));
  GAChart->setPieces(crossover_, Arrows(plot.crossover, span * kHeadShare));
  objectiveValue_->append(plot.generation, plot.best);
  noChange_->append(plot.generation, plot.noChange);
  SetLimits(*ProgressChart, progressLeft_, plot.left);
  SetLimits(*ProgressChart, progressRight_, plot.right, 1);  // whole generations
  SetLimits(*ProgressChart, generation_, {0, std::max(1.0, double(plot.generation))}, 1);
}

QList<QPushButton*> GAChartsPanel::buttons() const { return buttons_; }
