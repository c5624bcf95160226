#include "tradeoff_window/multi_objective_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtCharts/QScatterSeries>
#include <algorithm>

#include "shared/chart_panel.h"
#include "shared/chart_picture.h"
#include "shared/chart_printing.h"
#include "shared/chart_saving.h"
#include "shared/command_button.h"
#include "shared/file_choice_dialog.h"
#include "shared/file_to_write.h"
#include "tradeoff_window/tradeoff_series.h"
#include "report/axis_scale.h"
#include "optimiser/plan_install.h"
#include "optimiser/tradeoff_table.h"

namespace {

const QColor kSilver(192, 192, 192);
constexpr double kMargin = 0.05;  // of a lone value, on either side of it

QList<QPointF> Points(const std::vector<morvane::TradeoffPoint>& points) {
  QList<QPointF> all;
  for (const morvane::TradeoffPoint& point : points) all.append(QPointF(point.x, point.y));
  return all;
}

void Bold(QValueAxis* axis) {
  QFont font = axis->titleFont();
  font.setBold(true);
  axis->setTitleFont(font);
}

// Limits a little beyond the points, so that none sits on the frame (where it
// can be neither seen whole nor clicked); values that are never negative get
// no ticks below 0. A lone value gets room on both sides.
morvane::AxisScale Around(double low, double high) {
  if (!(high > low)) {
    const double half = std::max(std::abs(low) * kMargin, 0.5);
    low = low >= 0 ? std::max(0.0, low - half) : low - half;
    high += half;
  }
  return morvane::FitAxis(low, high, morvane::AxisEnd::Outward, morvane::AxisEnd::Outward);
}

}  // namespace

TMultiObjectiveForm::TMultiObjectiveForm(MorvaneApp& app, QWidget* parent)
    : QWidget(parent),
      app_(app),
      SaveChart(makeChartSaveDialog(this, "SaveChart")),
      ExportDialog(new FileChoiceDialog(this, "ExportDialog", {"CSV file (*.csv)"}, "csv")) {
  setObjectName("TMultiObjectiveForm");
  // chooseFileToWrite asks the replace question.
  ExportDialog->setOption(QFileDialog::DontConfirmOverwrite);
  ExportDialog->setWindowTitle("Export plans");
  setWindowTitle("Multi-Objective Form");
  buildChart();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MultiObjectiveChart, 1);
  layout->addWidget(buildButtons());
  resize(625, 577);
}

void TMultiObjectiveForm::buildChart() {
  MultiObjectiveChart = new ChartPanel("MultiObjectiveChart", "Tradeoff Curve", this);
  QLinearGradient silver(0, 0, 0, 1);
  silver.setCoordinateMode(QGradient::ObjectBoundingMode);
  silver.setColorAt(0, Qt::white);
  silver.setColorAt(1, kSilver);
  MultiObjectiveChart->chart()->setBackgroundBrush(silver);
  bottom_ = MultiObjectiveChart->addAxis(Qt::AlignBottom, "");
  left_ = MultiObjectiveChart->addAxis(Qt::AlignLeft, "");
  Bold(bottom_);
  Bold(left_);
  series_ = makeTradeoffSeries();
  QWidget* viewport = MultiObjectiveChart->view()->viewport();
  for (int k = 0; k < series_.size(); ++k) {
    QScatterSeries* series = MultiObjectiveChart->addPointSeries(series_[k], bottom_, left_);
    const Qt::CursorShape cursor = tradeoffCursor(static_cast<TradeoffSeries>(k));
    connect(series, &QXYSeries::hovered, viewport, [viewport, cursor](const QPointF&, bool over) {
      if (over) viewport->setCursor(cursor);
      else viewport->unsetCursor();
    });
    connect(series, &QXYSeries::clicked, this, [this, series](const QPointF& point) {
      MultiObjectiveChartClickSeries(series, static_cast<int>(series->points().indexOf(point)));
    });
  }
}

QWidget* TMultiObjectiveForm::buildButtons() {
  auto* row = new QWidget(this);
  auto* close = new QPushButton("&Close", row);
  close->setObjectName("CloseButton");
  auto* print = new QPushButton("&Print", row);
  print->setObjectName("PrintChartButton");
  auto* save = new QPushButton("&Save", row);
  save->setObjectName("SaveChartButton");
  ExportButton = new CommandButton("ExportButton", "E&xport plans...",
                                   "Write the non-inferior plans of the run shown to a CSV file", row);
  ExportButton->setEnabled(false);
  SaveBox = new QCheckBox("Save Every Nth one", row);
  SaveBox->setObjectName("SaveBox");
  ShowAllBox = new QCheckBox("Show all plans", row);
  ShowAllBox->setObjectName("ShowAllBox");
  ShowAllBox->setToolTip("Fit the axes to every plan, not to the non-inferior and supported ones only");
  connect(ShowAllBox, &QCheckBox::toggled, this, &TMultiObjectiveForm::fitAxes);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  connect(print, &QPushButton::clicked, this,
          [this] { printChart(*MultiObjectiveChart, kTradeoffChartMargins, *this, *app_.ui); });
  connect(save, &QPushButton::clicked, this,
          [this] { saveChart(*SaveChart, *MultiObjectiveChart, *app_.ui, "Error in SaveChartButtonClick"); });
  connect(ExportButton, &QPushButton::clicked, this, &TMultiObjectiveForm::ExportButtonClick);
  connect(SaveBox, &QCheckBox::clicked, this, [this](bool checked) { SaveEveryNth = checked; });
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* control : QList<QWidget*>{close, print, save, ExportButton, ShowAllBox, SaveBox}) layout->addWidget(control);
  layout->addStretch();
  return row;
}

void TMultiObjectiveForm::ShowMOGraph(const morvane::TradeoffChart& chart) {
  const std::vector<morvane::TradeoffPoint>* points[] = {&chart.Inferior, &chart.CarryOver,
                                                         &chart.NonInferior, &chart.Supported,
                                                         &chart.Random};
  for (int k = 0; k < series_.size(); ++k) {
    series_[k]->setPointsConfiguration({});
    series_[k]->replace(Points(*points[k]));
  }
  if (chart.BottomTitle) bottom_->setTitleText(QString::fromStdString(*chart.BottomTitle));
  if (chart.LeftTitle) left_->setTitleText(QString::fromStdString(*chart.LeftTitle));
  // The title is rich text: its line break is <br>.
  MultiObjectiveChart->chart()->setTitle(QString::fromStdString(chart.TitleLine1 + "<br>" + chart.TitleLine2));
  fitAxes();
  shownRun_ = app_.gaSettings;
  ExportButton->setEnabled(true);
  if (SaveEveryNth) saveTradeoffMap(*MultiObjectiveChart, chart.Generation, *app_.ui);
}

void TMultiObjectiveForm::addCarryOver(double x, double y) {
  QScatterSeries* carryOver = series_[static_cast<int>(TradeoffSeries::CarryOver)];
  carryOver->append(x, y);
  carryOver->setPointConfiguration(carryOver->count() - 1, QXYSeries::PointConfiguration::Color,
                                   QColor(Qt::red));
  fitAxes();
}

void TMultiObjectiveForm::clear() {
  MultiObjectiveChart->clearSeries();
  shownRun_.reset();
  ExportButton->setEnabled(false);
}

// The population of the run shown is in the app's state until the next run
// starts (which empties the chart); while a run goes on it changes under the chart.
void TMultiObjectiveForm::ExportButtonClick() {
  morvane::UserInterface& ui = *app_.ui;
  if (!shownRun_) return;
  if (app_.gaRunning) {
    ui.message(morvane::MessageKind::Information,
               "The plans can be exported when the GA run (or the improvement) has ended.");
    return;
  }
  if (const auto name = chooseFileToWrite(*ExportDialog, ui))
    morvane::WriteTradeoffTable(*name, app_.gaState->population, *shownRun_, ui);
}

// The axes fit the plans that matter, the non-inferior and supported ones (the
// carried-over ones of a one-objective run while there are none), or every
// plan with "Show all plans".
void TMultiObjectiveForm::fitAxes() {
  QList<QPointF> fitted;
  for (const TradeoffSeries k : {TradeoffSeries::NonInferior, TradeoffSeries::Supported})
    fitted.append(series_[static_cast<int>(k)]->points());
  if (ShowAllBox->isChecked() || fitted.isEmpty())
    for (QScatterSeries* series : series_) fitted.append(series->points());
  if (fitted.isEmpty()) return;
  const auto [left, right] = std::minmax_element(fitted.cbegin(), fitted.cend(), [](auto& a, auto& b) { return a.x() < b.x(); });
  const auto [low, high] = std::minmax_element(fitted.cbegin(), fitted.cend(), [](auto& a, auto& b) { return a.y() < b.y(); });
  MultiObjectiveChart->setAxisScale(bottom_, Around(left->x(), right->x()));
  MultiObjectiveChart->setAxisScale(left_, Around(low->y(), high->y()));
}

void TMultiObjectiveForm::MultiObjectiveChartClickSeries(QXYSeries* series, int index) {
  if (index < 0 || index >= series->count()) return;
  morvane::UserInterface& ui = *app_.ui;
  // The run evaluates its plans in the model; a plan installed between two of
  // them would be overwritten at once, or would overwrite one being computed.
  if (app_.gaRunning) {
    ui.message(morvane::MessageKind::Information,
               "A plan can be made the current one when the GA run (or the improvement) has ended.");
    return;
  }
  const QPointF point = series->at(index);
  const morvane::TradeoffClick click = morvane::MultiObjectiveChartClickSeries(
      app_.gaState->population, app_.gaSettings.PopulationSize, point.x(), point.y(), app_.gaSettings,
      app_.model.CriticalPWait, app_.locale);
  if (!click.member) {
    ui.message(morvane::MessageKind::Information, click.text);
    return;
  }
  if (ui.ask(click.text)) makeCurrent(app_.gaState->population[*click.member]);
}

// The plan into the staffing grid and StartTimes, then both computations, so
// that every window shows it. The chart stays as it is.
void TMultiObjectiveForm::makeCurrent(const morvane::GASolution& plan) {
  app_.model.flags.UseBaseServers = false;
  morvane::InstallStarts(app_.model, plan);
  emit planChosen();
}
