#include "ga_window/ga_form.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "shared/chart_panel.h"
#include "shared/command_button.h"
#include "shared/file_choice_dialog.h"
#include "shared/file_to_write.h"
#include "ga_window/ga_charts_panel.h"
#include "ga_window/ga_settings_panel.h"
#include "ga_window/improvement_fields.h"
#include "optimiser/current_plan_improvement.h"
#include "optimiser/ga_run.h"
#include "optimiser/history_file.h"

namespace {

const char* const kStopGA = "&STOP GA";
const QSize kPreferredSize(1236, 1031);  // where the screen allows it

}  // namespace

TGAForm::TGAForm(MorvaneApp& app, QWidget* parent)
    : QWidget(parent), app_(app), settings_(app.gaSettings),
      running_(app.gaRunning),
      InitPopBox(new RunReportBox(this)), reportUi_(*app.ui, *InitPopBox),
      settingsPanel_(new GASettingsPanel(app, settings_, this)),
      charts_(new GAChartsPanel(*app.ui, this)), improvement_(new ImprovementFields(this)) {
  setObjectName("TGAForm");
  setWindowTitle("GA Form");
  SaveHistory = new FileChoiceDialog(this, "SaveHistory", {"History file (*.his)", "All files (*)"}, "his");
  connect(settingsPanel_, &GASettingsPanel::secondObjectiveChosen, this, &TGAForm::tradeoffWanted);

  auto* right = new QVBoxLayout;
  right->addWidget(InitPopBox, 1);
  right->addWidget(charts_, 3);  // the distribution chart keeps room for its labels on a low screen
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(buildSettingsColumn());
  layout->addLayout(right, 1);
  resize(kPreferredSize.boundedTo(screen()->availableGeometry().size()));
}

// The settings, commands and improvement fields scroll when the screen is too
// low for them, so the window fits a 1366 x 768 screen.
QScrollArea* TGAForm::buildSettingsColumn() {
  auto* column = new QWidget;
  auto* left = new QVBoxLayout(column);
  left->setContentsMargins(0, 0, 0, 0);
  left->addWidget(settingsPanel_);
  left->addWidget(buildCommands());
  left->addWidget(improvement_);
  left->addStretch();
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("SettingsScroll");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidgetResizable(true);
  scroll->setWidget(column);
  scroll->setMinimumWidth(column->sizeHint().width() +
                          scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  scroll->setMinimumHeight(0);
  return scroll;
}

TGAForm::~TGAForm() = default;

QWidget* TGAForm::buildCommands() {
  auto* commands = new QWidget(this);
  DoGA = button("DoGA", "&Do GA");
  AbortButton = button("AbortButton", kStopGA);
  AbortButton->setEnabled(false);
  ResetButton = button("ResetButton", "Re&Set Def.");
  CloseButton = button("CloseButton", "&Close");
  SaveHistoryButton = button("SaveHistoryButton", "Save &History");
  HistoryGauge = new QProgressBar(commands);
  HistoryGauge->setObjectName("HistoryGauge");
  HistoryGauge->setRange(0, 100);
  HistoryGauge->hide();
  connect(DoGA, &QPushButton::clicked, this, &TGAForm::DoGAClick);
  connect(AbortButton, &QPushButton::clicked, this, &TGAForm::AbortButtonClick);
  connect(ResetButton, &QPushButton::clicked, settingsPanel_, &GASettingsPanel::ResetButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &TGAForm::CloseButtonExit);
  connect(SaveHistoryButton, &QPushButton::clicked, this, &TGAForm::SaveHistoryButtonClick);
  auto* grid = new QGridLayout(commands);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(DoGA, 0, 0);
  grid->addWidget(AbortButton, 0, 1);
  grid->addWidget(ResetButton, 1, 0);
  grid->addWidget(CloseButton, 1, 1);
  grid->addWidget(SaveHistoryButton, 2, 0);
  grid->addWidget(HistoryGauge, 2, 1);
  return commands;
}

QPushButton* TGAForm::button(const char* name, const QString& caption) {
  return new CommandButton(name, caption, "", this);
}

morvane::GAContext TGAForm::context() {
  return {app_.model, settings_, state(), reportUi_, *this, app_.locale};
}

void TGAForm::DoGAClick() {
  InitPopBox->clear();  // the report shows this run alone, from its first question on
  setRunning(true);
  morvane::GAContext run = context();
  run.askBeforeWorsePlan = true;
  const morvane::RunResult result = morvane::DoGAClick(run);
  const morvane::RunEnd end = result.end;
  settingsPanel_->FormShow();  // a labour run may have raised the maximum cost
  if (result.installed && (end == morvane::RunEnd::Finished || end == morvane::RunEnd::Stopped ||
                           end == morvane::RunEnd::EndedEarly))
    showChosenPlan();
  setRunning(false);
}

// From the start of a run to its end only "&STOP GA", the settings and the
// check boxes answer; a new run cannot start inside one.
void TGAForm::setRunning(bool running) {
  running_ = running;
  settingsPanel_->setRunning(running);
  for (QPushButton* command : {DoGA, CloseButton, ResetButton, SaveHistoryButton})
    command->setEnabled(!running);
  for (QPushButton* command : charts_->buttons()) command->setEnabled(!running);
  HistoryGauge->setEnabled(false);
  HistoryGauge->hide();
  AbortButton->setEnabled(running);
}

// The run installed its best plan in the model: the staffing grid and the main
// window show it.
void TGAForm::showChosenPlan() {
  emit planInstalled();
}

void TGAForm::AbortButtonClick() { state().StopRequested = true; }

void TGAForm::CloseButtonExit() {
  hide();
  emit mainWindowWanted();
}

void TGAForm::SaveHistoryButtonClick() {
  const auto name = chooseFileToWrite(*SaveHistory, *app_.ui);
  if (!name) return;
  HistoryGauge->setValue(0);
  HistoryGauge->setEnabled(true);
  HistoryGauge->show();
  morvane::SaveHistory(*name, InitPopBox->lines(), *app_.ui,
                       [this](int percent) { HistoryGauge->setValue(percent); });
  HistoryGauge->setEnabled(false);
  HistoryGauge->hide();
}

void TGAForm::ShowNoShowInGAForm(bool show) {
  QList<QWidget*> controls = settingsPanel_->fullLayoutControls();
  controls << DoGA << ResetButton << CloseButton << SaveHistoryButton << charts_->GAChart
           << charts_->ProgressChart;
  for (QPushButton* command : charts_->buttons()) controls << command;
  for (QWidget* control : controls) control->setVisible(show);
  HistoryGauge->hide();
  AbortButton->setText(show ? kStopGA : "&Stop Imp");
  AbortButton->setEnabled(!show);
  if (!show) InitPopBox->clear();
}

void TGAForm::ImproveCurrentSoln() {
  emit improvementStarted();
  running_ = true;
  morvane::GAContext improvement = context();
  auto improved = morvane::ImproveCurrentPlan(improvement, [this] {
    settingsPanel_->FormShow();  // MaxCostEdit shows the maximum cost the plan needs
    ShowNoShowInGAForm(false);
    show();
    raise();
  });
  running_ = false;
  settingsPanel_->FormShow();  // the population size is back
  emit improvementEnded(improved.has_value());
  if (improved) ShowNoShowInGAForm(true);
}

void TGAForm::insertReportLine(const QString& line) { InitPopBox->insertLine(line); }

void TGAForm::clearReport() { InitPopBox->clear(); }

void TGAForm::showSettings() { settingsPanel_->showAll(); }

void TGAForm::showEvent(QShowEvent* event) {
  settingsPanel_->FormShow();
  QWidget::showEvent(event);
}

// The title bar's close is "&Close"; it does nothing while a run goes on.
void TGAForm::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
  emit mainWindowWanted();
}

// A run begins: its charts, the tradeoff chart included, show this run only.
void TGAForm::runStarted() {
  charts_->clear();
  emit runStarting();
}

void TGAForm::generationPlotted(const morvane::GenerationPlot& plot) { charts_->plot(plot); }

// In a one-objective run too; there the points gather over the run, since
// only ShowMOGraph empties the series.
void TGAForm::carryOverPlotted(double x, double y) {
  emit carryOverDrawn(x, y);
}

void TGAForm::tradeoffShown(const morvane::TradeoffChart& chart) {
  emit tradeoffDrawn(chart);
}

void TGAForm::improvementShown(bool visible) {
  improvement_->setShown(visible);
  if (!visible) HistoryGauge->hide();
}

void TGAForm::improvementText(morvane::ImprovementField field, const std::string& text) {
  improvement_->setText(field, QString::fromStdString(text));
}

void TGAForm::improvementFound(bool found) { improvement_->setFound(found); }
