#include "main_window/morvane_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <functional>

#include "about_box/about_form.h"
#include "shared/chart_panel.h"
#include "shared/chart_printing.h"
#include "shared/chart_saving.h"
#include "shared/command_button.h"
#include "shared/file_choice_dialog.h"
#include "main_window/output_charts.h"
#include "main_window/probability_plots.h"
#include "shared/radio_group.h"
#include "main_window/result_labels_panel.h"
#include "main_window/scenario_menu.h"
#include "main_window/scenario_panels.h"
#include "main_window/summary_printing.h"
#include "engine/measures.h"
#include "engine/overload.h"
#include "engine/steady_state.h"
#include "engine/time_dependent_solver.h"
#include "engine/truncation.h"

namespace {

// Runs the end of a computation on every way out of its handler.
struct RunEnd {
  std::function<void()> end;
  ~RunEnd() { end(); }
};

QWidget* Column(const QList<QWidget*>& widgets, QWidget* parent) {
  auto* column = new QWidget(parent);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* widget : widgets) layout->addWidget(widget);
  return column;
}

QWidget* Gauge(QProgressBar*& gauge, const QString& objectName, const QString& caption,
               const QString& hint, QWidget* parent) {
  gauge = new QProgressBar(parent);
  gauge->setObjectName(objectName);
  gauge->setToolTip(hint);
  gauge->setRange(0, 100);
  gauge->setValue(0);
  return Column({new QLabel(caption, parent), gauge}, parent);
}

// The size the window asks for; a smaller screen gets what it has.
constexpr QSize kWantedSize(1358, 736);  // a 1366 x 768 screen less the frame
// What the title bar and the frame take, before the window manager tells.
constexpr QSize kFrameAllowance(8, 32);
// The charts' own minimum, so that their legends and titles never widen the window.
constexpr QSize kChartMinimum(200, 160);

}  // namespace

TMorvaneForm::TMorvaneForm(MorvaneApp& app, int splashMilliseconds, QWidget* parent)
    : QWidget(parent), app_(app), panels_(new ScenarioPanels(app, this)),
      outputs_(new OutputCharts(app, this)), plots_(new ProbabilityPlots(app, this)),
      results_(new ResultLabelsPanel(this)) {
  setObjectName("TMorvaneForm");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 4);  // tight: the window fits a laptop screen
  layout->setSpacing(2);
  layout->addWidget(buildScrolledPart(), 1);
  layout->addWidget(buildBottomRow());
  fitScreen();

  connect(panels_, &ScenarioPanels::modelInputChanged, this, &TMorvaneForm::inputsChanged);
  connect(panels_, &ScenarioPanels::baseServersLeft, this, [this] { installBaseStaffing(true); });
  connect(panels_, &ScenarioPanels::costChanged, this, &TMorvaneForm::UpdateSummaryCosts);
  for (auto changed : {&ScenarioPanels::modelInputChanged, &ScenarioPanels::baseServersLeft,
                       &ScenarioPanels::costChanged})
    connect(panels_, changed, this, &TMorvaneForm::refreshMark);
  connect(panels_->SetTimes, &QPushButton::clicked, this, &TMorvaneForm::SetTimesClick);
  connect(panels_->ImproveCurrentSolnButton, &QPushButton::clicked, this,
          &TMorvaneForm::ImproveCurrentSolnButtonClick);
  connect(outputs_, &OutputCharts::redrawRequested, this, &TMorvaneForm::MMCProbOutput);
  connect(plots_, &ProbabilityPlots::redrawRequested, this, &TMorvaneForm::PlotProbabilities);
  lockedDuringRuns_ << panels_ << plots_->controls << outputs_->WhatToPlotGroup;
  FormShow(splashMilliseconds);
}

// The boxes and the charts scroll on a screen too small for them; the
// commands under them stay in sight.
QWidget* TMorvaneForm::buildScrolledPart() {
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("MainScrollArea");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* inside = new QWidget(scroll);
  auto* column = new QVBoxLayout(inside);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(panels_);
  column->addWidget(buildCharts(), 1);
  scroll->setWidget(inside);
  for (ChartPanel* chart : {outputs_->OutputChart, outputs_->OutputChart2, outputs_->OutputChart3, plots_->Chart1}) {
    chart->chart()->setMinimumSize(kChartMinimum);
    chart->view()->setMinimumSize(kChartMinimum);
  }
  return scroll;
}

// The wanted size, within the screen's room for windows.
void TMorvaneForm::fitScreen() {
  const QSize room = screen()->availableGeometry().size() - kFrameAllowance;
  resize(kWantedSize.boundedTo(room));
}

QWidget* TMorvaneForm::buildCharts() {
  auto* area = new QWidget(this);
  auto* row = new QHBoxLayout(area);
  row->setContentsMargins(0, 0, 0, 0);
  row->addLayout(buildLeft(), 1);
  QWidget* between =
      Column({button("PrintGraph1", "<-- Print Graph", "Click to print the graph at the left",
                     &TMorvaneForm::PrintGraph1Click),
              button("SaveGraph1", "<-- Save Graph", "Click to save the graph at the left",
                     &TMorvaneForm::SaveGraph1Click),
              button("PrintGraph2", "Print Graph -->", "Click to print the graph at the right",
                     &TMorvaneForm::PrintGraph2Click),
              button("SaveGraph2", "Save Graph -->", "Click to save the graph at the right",
                     &TMorvaneForm::SaveGraph2Click)},
             area);
  row->addWidget(between, 0, Qt::AlignVCenter);
  row->addLayout(buildRight(), 1);
  lockedDuringRuns_ << between;
  return area;
}

// The output chart; under it the plot choice over "&GA", the axis boxes and the results.
QLayout* TMorvaneForm::buildLeft() {
  GAButton = button("GAButton", "&GA", "", &TMorvaneForm::GAButtonClick);
  auto* under = new QHBoxLayout;
  under->addWidget(Column({outputs_->WhatToPlotGroup, GAButton}, this), 0, Qt::AlignTop);
  under->addWidget(outputs_->axisBoxes, 0, Qt::AlignTop);
  under->addWidget(results_, 1);
  auto* left = new QVBoxLayout;
  left->setSpacing(2);
  left->addWidget(outputs_->OutputChart, 1);
  left->addWidget(outputs_->OutputChart2, 1);
  left->addWidget(outputs_->OutputChart3, 1);
  left->addLayout(under);
  lockedDuringRuns_ << GAButton;
  return left;
}

// The probability chart; under it the time boxes and plot choices, reset and about.
QLayout* TMorvaneForm::buildRight() {
  QPushButton* reset = button("ResetDefaultButton", "&Reset 2 Defaults", "",
                              &TMorvaneForm::ResetDefaultButtonClick);
  QPushButton* about = button("AboutButton", "&About??", "Click to show the About box information",
                              &TMorvaneForm::AboutButtonClick);
  auto* under = new QHBoxLayout;
  under->addWidget(plots_->controls, 1);
  under->addWidget(Column({reset, about}, this), 0, Qt::AlignBottom);
  auto* right = new QVBoxLayout;
  right->setSpacing(2);
  right->addWidget(plots_->Chart1, 1);
  right->addLayout(under);
  lockedDuringRuns_ << reset << about;
  return right;
}

QWidget* TMorvaneForm::buildBottomRow() {
  auto* bottom = new QWidget(this);
  MMCProbButton = button("MMCProbButton", "&Compute Steady State Probs",
                         "Click to compute steady-state probabilities; DO THIS FIRST BEFORE "
                         "COMPUTING TRANSIENT PROBABILIITIES",
                         &TMorvaneForm::MMCProbButtonClick);
  ComputeTransientProbsButton =
      button("ComputeTransientProbsButton", "C&Ompute Time Dep. Probs",
             "Click to compute transient probabilities", &TMorvaneForm::ComputeTransientProbsButtonClick);
  QPushButton* print = button("PrintSummaryButton", "&Print Input/Output Summary",
                              "Click to print a summary of the inputs and outputs",
                              &TMorvaneForm::PrintSummaryButtonClick);
  QPushButton* quit = button("Quit", "&Quit", "Click to terminate the program", &TMorvaneForm::QuitClick);
  auto* row = new QHBoxLayout(bottom);
  row->setContentsMargins(0, 0, 0, 0);
  for (QPushButton* command : {MMCProbButton, ComputeTransientProbsButton, print}) row->addWidget(command);
  row->addWidget(Gauge(PctDone, "PctDone", "M/M/S Q Computations",
                       "Displays the progress in computing the initial steady-state probability "
                       "estimates", bottom), 1);
  row->addWidget(Gauge(IterationGauge, "IterationGauge", "Iterations",
                       "Shows the number of iteratins as a percent of the maximum number allowed",
                       bottom), 1);
  row->addWidget(quit);
  lockedDuringRuns_ << MMCProbButton << ComputeTransientProbsButton << print << quit;
  return bottom;
}

QPushButton* TMorvaneForm::button(const QString& objectName, const QString& caption,
                                  const QString& hint, void (TMorvaneForm::*click)()) {
  QPushButton* command = new CommandButton(objectName, caption, hint, this);
  connect(command, &QPushButton::clicked, this, click);
  return command;
}

// The creation handler: splash, boxes, base staffing, then the menu with the
// caption, its scenario untitled.
void TMorvaneForm::FormShow(int splashMilliseconds) {
  offerOptimisation();  // nothing to optimise before a staffing plan is in force
  TAboutForm splash;
  splash.setWindowFlags(Qt::SplashScreen | Qt::WindowStaysOnTopHint);
  splash.show();
  splash.repaint();
  app_.ui->pause(splashMilliseconds);
  splash.hide();
  panels_->writeBoxes();
  installBaseStaffing(false);
  allowTimeDependent(false);
  const ScenarioMenu::Window window{*this, [this] { return currentScenario(); },
                                    [this](const morvane::Scenario& scenario) { putInForce(scenario); },
                                    [this] { return shownResults(); }};
  menu_ = new ScenarioMenu(window, app_, "Morvane (" + splash.versionText() + ")");
  layout()->setMenuBar(menu_);
  connect(menu_, &ScenarioMenu::quitWanted, this, &TMorvaneForm::QuitClick);
  lockedDuringRuns_ << menu_;
}

void TMorvaneForm::installBaseStaffing(bool invalidate) {
  morvane::installBaseStaffing(app_.model);
  if (invalidate) ShowNoGraphsAndCosts(false);
  panels_->showServerSource(true);
  offerOptimisation();
}

// The GA and the improvement need a staffing plan to work on, so they are
// offered exactly while one is in force; improving starts from a computed plan.
void TMorvaneForm::offerOptimisation() {
  const bool plan = !app_.model.flags.UseBaseServers;
  GAButton->setVisible(plan);
  GAButton->setEnabled(plan);
  QPushButton* improve = panels_->ImproveCurrentSolnButton;
  improve->setVisible(plan);
  improve->setEnabled(plan && resultsShown());
}

void TMorvaneForm::ShowNoShowCosts(bool show) {
  results_->setShown(show);
  panels_->ImproveCurrentSolnButton->setEnabled(false);
}

void TMorvaneForm::ShowNoGraphsAndCosts(bool show) {
  ShowNoShowCosts(show);
  if (!show) {
    outputs_->clear();
    plots_->clear();
  }
  allowTimeDependent(false);
}

// The time-dependent computation starts from the steady state of the inputs
// in force: its button is enabled from a steady-state computation to the next
// change of an input, and never while a computation runs.
void TMorvaneForm::allowTimeDependent(bool allowed) {
  timeDependentAllowed_ = allowed;
  ComputeTransientProbsButton->setEnabled(allowed && !computing_);
}

// The results, and the exact requirement, belong to the inputs they were computed for.
void TMorvaneForm::inputsChanged() {
  app_.exactRequirement.reset();
  ShowNoGraphsAndCosts(false);
}

void TMorvaneForm::UpdateSummaryCosts() {
  results_->updateCosts(morvane::ResultLabelTexts(app_.model, app_.locale));
}

bool TMorvaneForm::resultsShown() const { return results_->shown(); }

ResultsShown TMorvaneForm::shownResults() const { return {steadyStateShown(), resultsShown()}; }

void TMorvaneForm::MMCProbOutput() { outputs_->MMCProbOutput(shownResults()); }

void TMorvaneForm::PlotProbabilities() { plots_->PlotProbabilities(shownResults()); }

// A computation lets events through at its pauses; until it ends, the controls
// that start work or change inputs stay disabled and a second start is ignored.
// Locking the window moves the focus away from the disabled controls, which
// leaves no box (EntryEdit) and is undone at the end.
bool TMorvaneForm::beginRun() {
  if (computing_) return false;
  computing_ = true;
  focusBeforeRun_ = focusWidget();
  for (QWidget* widget : lockedDuringRuns_) widget->setEnabled(false);
  return true;
}

// Every control gets back the state its rule gives, and the focus goes back
// to where the planner put it (normally the button that started the run).
void TMorvaneForm::endRun() {
  computing_ = false;
  for (QWidget* widget : lockedDuringRuns_) widget->setEnabled(true);
  allowTimeDependent(timeDependentAllowed_);
  offerOptimisation();
  refreshMark();  // the solver may have widened Initial Max States
  if (focusBeforeRun_ && focusBeforeRun_->isEnabled()) focusBeforeRun_->setFocus(Qt::OtherFocusReason);
}

void TMorvaneForm::MMCProbButtonClick() {
  if (!beginRun()) return;
  const RunEnd runEnd{[this] { endRun(); }};
  if (!morvane::ComputeSteadyState(app_.model, *app_.ui)) return;
  allowTimeDependent(true);
  PctDone->setValue(100);
  if (app_.model.flags.DrawCharts) MMCProbOutput();
}

void TMorvaneForm::ComputeTransientProbsButtonClick() {
  if (!timeDependentAllowed_ || !beginRun()) return;
  const RunEnd runEnd{[this] { endRun(); }};
  morvane::Model& model = app_.model;
  const bool computed = morvane::ComputeTimeDependent(model, *app_.ui);
  showValue(morvane::ShownValue::MaxStates);
  showValue(morvane::ShownValue::TimeStepSeconds);
  if (!computed) return;
  for (QProgressBar* gauge : {PctDone, IterationGauge}) gauge->setValue(100);
  showTimeDependentResults();
}

void TMorvaneForm::showTimeDependentResults() {
  const morvane::Model& model = app_.model;
  const morvane::ResultLabels texts = morvane::ResultLabelTexts(model, app_.locale);
  results_->setMaxP200(texts);
  if (model.flags.DrawCharts) {
    outputs_->ShowLambdaAndMu();
    outputs_->drawTimeDependent();
  }
  if (model.flags.InteractiveMode)
    results_->showResults(texts, morvane::ServiceLabelTexts(model, app_.locale),
                          morvane::OverloadedMinutesLabel(model), morvane::TruncationNote(model));
  if (model.flags.DrawCharts) PlotProbabilities();
}

void TMorvaneForm::ShowInstalledPlan() {
  allowTimeDependent(true);
  if (app_.model.flags.DrawCharts) MMCProbOutput();
  showValue(morvane::ShownValue::MaxStates);
  showValue(morvane::ShownValue::TimeStepSeconds);
  showTimeDependentResults();
}

morvane::Scenario TMorvaneForm::currentScenario() const {
  return morvane::CurrentScenario(app_.model, app_.gaSettings, panels_->loadedForecast());
}

// The old populations belong to the old scenario.
void TMorvaneForm::putInForce(const morvane::Scenario& scenario) {
  morvane::ApplyScenario(scenario, app_.model, app_.gaSettings);
  app_.gaState = std::make_unique<morvane::GAState>();
  panels_->setLoadedForecast(scenario.loadedForecast);
  panels_->writeBoxes();
  panels_->showServerSource(app_.model.flags.UseBaseServers);
  inputsChanged();
  for (QProgressBar* gauge : {PctDone, IterationGauge}) gauge->setValue(0);
  offerOptimisation();
  emit scenarioReplaced();
}

void TMorvaneForm::refreshMark() { menu_->refreshMark(); }

void TMorvaneForm::moveGauge(morvane::Gauge gauge, int percent) {
  (gauge == morvane::Gauge::PctDone ? PctDone : IterationGauge)->setValue(percent);
}

void TMorvaneForm::showValue(morvane::ShownValue value) { panels_->showValue(value); }

ChartPanel* TMorvaneForm::visibleOutputChart() const {
  return outputs_->chosenChart();
}

ChartPanel* TMorvaneForm::probabilityChart() const { return plots_->Chart1; }

void TMorvaneForm::PrintSummaryButtonClick() {
  printSummary(morvane::SummaryLines(app_.model, app_.locale, resultsShown()), *this, *app_.ui);
}

void TMorvaneForm::PrintGraph1Click() {
  printChart(*visibleOutputChart(), kOutputChartMargins, *this, *app_.ui);
}

void TMorvaneForm::PrintGraph2Click() {
  printChart(*probabilityChart(), kOutputChartMargins, *this, *app_.ui);
}

// Both save buttons share the window's dialog and its error message.
void TMorvaneForm::SaveGraph1Click() {
  saveChart(chartSaveDialog(*this, "SaveMap"), *visibleOutputChart(), *app_.ui,
            "Error in SaveGraph1Click");
}

void TMorvaneForm::SaveGraph2Click() {
  saveChart(chartSaveDialog(*this, "SaveMap"), *probabilityChart(), *app_.ui,
            "Error in SaveGraph1Click");
}

// The improvement runs in the GA window and evaluates its plans in the model,
// so this window's commands wait from its start to its end.
void TMorvaneForm::ImproveCurrentSolnButtonClick() {
  if (!computing_) emit improvementWanted();
}

void TMorvaneForm::planSearchStarted() { beginRun(); }

// The plan found is computed and shown.
void TMorvaneForm::planSearchEnded(bool planChanged) {
  endRun();
  if (!planChanged) return;
  computeBoth();
  app_.model.flags.ShowWarnings = true;
}

void TMorvaneForm::computeBoth() {
  MMCProbButtonClick();
  ComputeTransientProbsButtonClick();
}

void TMorvaneForm::SetTimesClick() {
  emit staffingWanted();
  hide();
  panels_->showServerSource(false);
  app_.model.flags.UseBaseServers = false;
  ShowNoGraphsAndCosts(false);
  GAButton->setEnabled(false);
  GAButton->hide();
}

void TMorvaneForm::GAButtonClick() {
  emit gaWanted();
  hide();
}

// A forecast the defaults turn off is forgotten with its label.
void TMorvaneForm::ResetDefaultButtonClick() {
  if (app_.model.inputs.Forecast) panels_->setLoadedForecast(std::nullopt);
  morvane::resetToDefaults(app_.model.inputs);
  panels_->writeBoxes();
  inputsChanged();
  refreshMark();
}

void TMorvaneForm::AboutButtonClick() {
  hide();
  emit aboutWanted();
}

void TMorvaneForm::QuitClick() {
  if (!confirmQuit()) return;
  quitConfirmed_ = true;
  close();
}

bool TMorvaneForm::confirmQuit() {
  if (!menu_->changesSettled() || !app_.ui->ask("Are you sure you want to quit the Morvane?")) return false;
  app_.ui->message(morvane::MessageKind::Information, "Thanks for using the Morvane.\r\rGoodbye.");
  return true;
}

// The staffing and GA windows hide this one while they change the scenario.
void TMorvaneForm::showEvent(QShowEvent* event) {
  offerOptimisation();
  refreshMark();
  QWidget::showEvent(event);
}

// Closing the window ends the program, so the title bar's close asks as "&Quit"
// does; nothing closes while a computation runs.
void TMorvaneForm::closeEvent(QCloseEvent* event) {
  if (quitConfirmed_ || (!computing_ && confirmQuit())) {
    quitConfirmed_ = true;
    event->accept();
  } else {
    event->ignore();
  }
}
