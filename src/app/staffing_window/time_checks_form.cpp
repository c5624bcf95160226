#include "staffing_window/time_checks_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shared/command_button.h"
#include "staffing_window/duty_template_page.h"
#include "staffing_window/period_check_list.h"
#include "staffing_window/start_times_grid.h"
#include "staffing_window/start_times_tab.h"
#include "engine/entry_check.h"
#include "report/requirement_series.h"
#include "staffing/schedule_plan.h"
#include "staffing/start_times_file.h"
#include "staffing/start_times_page.h"

namespace {

using morvane::EmployeeType;
using morvane::FullTime;
using morvane::PartTime;

constexpr int kStartTimesTab = 2;
constexpr std::int32_t kLowestShift = 1;
constexpr std::int32_t kHighestShift = 95;
const std::string kShiftRangeWarning = "Invalid input.  Must be >=1 and <=95.  Resetting to 1,";

// The texts of the two template pages, [FullTime] and [PartTime].
const DutyTemplatePage::Texts kTemplatePages[2] = {
    {"GIVEN a FULL TIME employee starts at time 0, indicate the 15 minute intervals (s)he will be "
     "on duty",
     "DutyBox", "WrapAroundBox", "Shifts WRAP Around Midnight or 1440 min", "FullTimeChart",
     "Full Time Duty Schedule",
     "Displays time intervals a Full-time person is on duty if they start at time 0"},
    {"GIVEN a PART TIME employee starts at time 0, indicate the 15 minute intervals (s)he will be "
     "on duty",
     "PartDutyBox", "PartWrapBox", "Shifts WRAP Around 24:00 or 1440 minutes", "PartTimeChart",
     "Part Time Duty Schedule",
     "Displays time intervals a Part-time person is on duty if they start at time 0"}};

int StartColumn(EmployeeType type) { return StartTimesGrid::FullTimeStartColumn + static_cast<int>(type); }

}  // namespace

TTimeChecksForm::TTimeChecksForm(MorvaneApp& app, QWidget* parent)
    : QWidget(parent), app_(app), notebook_(new QTabWidget), fullTimePage_(new DutyTemplatePage(kTemplatePages[FullTime])),
      partTimePage_(new DutyTemplatePage(kTemplatePages[PartTime])), startTimes_(new StartTimesTab) {
  setObjectName(QStringLiteral("TTimeChecksForm"));
  setWindowTitle(QStringLiteral("Set Number Of Servers"));
  notebook_->setObjectName(QStringLiteral("Notebook"));
  notebook_->tabBar()->setToolTip(QStringLiteral("Click on tabs to move between pages"));
  notebook_->addTab(fullTimePage_, QStringLiteral("Full Time Duty Schedule"));
  notebook_->addTab(partTimePage_, QStringLiteral("Part Time Duty Schedule"));
  notebook_->addTab(startTimes_, QStringLiteral("Start Times"));
  notebook_->setCurrentIndex(kStartTimesTab);
  const auto templates = morvane::StaffingState::initialTemplates();
  fullTimePage_->showTemplate(templates[FullTime]);
  partTimePage_->showTemplate(templates[PartTime]);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(notebook_, 1);
  layout->addWidget(makeButtons());
  lockedDuringSearch_ << notebook_;
  resize(1150, 760);
  makeFileDialogs();
  connectEvents();
}

QWidget* TTimeChecksForm::makeButtons() {
  auto* buttons = new QWidget;
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  const std::pair<const char*, const char*> captions[] = {
      {"WriteButton", "&Write Starting Times"},
      {"ReadButton", "&Read Starting Times"},
      {"ClearButton", "&Clear All Starting Times"},
      {"ExitButton", "&Exit to Main Window"}};
  for (const auto& [name, caption] : captions) {
    auto* button = new CommandButton(
        QString::fromUtf8(name), QString::fromUtf8(caption),
        QStringLiteral("Click to return to the main menu; only possible from Start Times page"));
    row->addWidget(button);
    lockedDuringSearch_ << button;
  }
  row->addWidget(makeTargetCommand());
  return buttons;
}

void TTimeChecksForm::connectEvents() {
  const auto button = [this](const char* name) { return findChild<QPushButton*>(name); };
  connect(button("WriteButton"), &QPushButton::clicked, this, &TTimeChecksForm::WriteButtonClick);
  connect(button("ReadButton"), &QPushButton::clicked, this, &TTimeChecksForm::ReadButtonClick);
  connect(button("ClearButton"), &QPushButton::clicked, this, &TTimeChecksForm::ClearButtonClick);
  connect(button("ExitButton"), &QPushButton::clicked, this, &TTimeChecksForm::ExitButtonClick);
  connect(notebook_, &QTabWidget::currentChanged, this, &TTimeChecksForm::ScheduleGridExit);
  connect(startTimes_->grid(), &StartTimesGrid::planEdited, this, &TTimeChecksForm::ScheduleGridExit);
  for (DutyTemplatePage* page : {fullTimePage_, partTimePage_})
    connect(page, &DutyTemplatePage::listClicked, this, [this, page] { page->checkFirstPeriod(*app_.ui); });
  connect(fullTimePage_, &DutyTemplatePage::wrapClicked, this,
          [this](bool wraps) { app_.model.staffing.FullTimeWraps = wraps; });
  connect(partTimePage_, &DutyTemplatePage::wrapClicked, this,
          [this](bool wraps) { app_.model.staffing.PartTimeWraps = wraps; });

  connect(startTimes_->forwardAmount(), &QLineEdit::editingFinished, this,
          [this] { checkShiftAmount(startTimes_->forwardAmount(), forwardAmount_); });
  connect(startTimes_->backwardAmount(), &QLineEdit::editingFinished, this,
          [this] { checkShiftAmount(startTimes_->backwardAmount(), backwardAmount_); });
  for (const EmployeeType type : {FullTime, PartTime}) {
    connect(startTimes_->forwardButton(type), &QPushButton::clicked, this,
            [this, type] { shiftStarts(type, morvane::ShiftDirection::Forward); });
    connect(startTimes_->backButton(type), &QPushButton::clicked, this,
            [this, type] { shiftStarts(type, morvane::ShiftDirection::Backward); });
  }
}

// "Arrivals" and "Min Servers" follow the demand inputs, which may have
// changed in the main window since the last visit.
void TTimeChecksForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  fillDemandColumns();
  fullTimePage_->checkFirstPeriod(*app_.ui);
  partTimePage_->checkFirstPeriod(*app_.ui);
  drawCharts();
}

// The title bar's close is "&Exit to Main Window": closing the window while the
// main window is hidden would end the program. During a search it does nothing:
// Stop ends the search first.
void TTimeChecksForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!searching_) ExitButtonClick();
}

void TTimeChecksForm::fillDemandColumns() {
  StartTimesGrid* grid = startTimes_->grid();
  for (int period = 0; period < morvane::kPeriods; ++period) {
    const morvane::PeriodDemand demand = morvane::PeriodDemandOf(app_.model.inputs, period);
    grid->setCellText(period, StartTimesGrid::ArrivalsColumn,
                      QString::fromStdString(morvane::ArrivalsText(demand.peakArrivals, app_.locale)));
    grid->setCellText(period, StartTimesGrid::MinServersColumn, QString::number(demand.minServers));
  }
}

void TTimeChecksForm::ScheduleGridExit() {
  morvane::Model& model = app_.model;
  if (model.flags.InteractiveMode) readPlan();
  if (const auto refusal = morvane::ScheduleGridExit(model)) {
    app_.ui->message(morvane::MessageKind::Error, *refusal);
    return;
  }
  if (model.flags.InteractiveMode) showOnDuty();
  drawCharts();
}

// Both charts from the model: the demand and the servers on duty in force, the
// Erlang C (with patience, Erlang A) requirement of the inputs and the exact one
// while it is known.
void TTimeChecksForm::drawCharts() {
  const morvane::Model& model = app_.model;
  if (!model.flags.DrawCharts) return;
  startTimes_->drawCapacity(morvane::MeanArrivalsVsServiceCapacity(model));
  const morvane::ErlangCOutcome erlangC = morvane::ErlangCRequirement(model.inputs);
  startTimes_->drawRequirement(
      morvane::RequirementVsOnDuty(model, erlangC.refusal ? std::nullopt : std::optional(erlangC.servers),
                                   app_.exactRequirement),
      model.inputs.PatienceSeconds > 0);
}

void TTimeChecksForm::showStartTimes() {
  for (const EmployeeType type : {FullTime, PartTime}) writeStartColumn(type, true);
  ScheduleGridExit();
}

void TTimeChecksForm::showPlan() {
  const morvane::StaffingState& staff = app_.model.staffing;
  fullTimePage_->showTemplate(staff.DutyTemplate[FullTime]);
  partTimePage_->showTemplate(staff.DutyTemplate[PartTime]);
  fullTimePage_->showWraps(staff.FullTimeWraps);
  partTimePage_->showWraps(staff.PartTimeWraps);
  for (const EmployeeType type : {FullTime, PartTime}) writeStartColumn(type, false);
  if (!app_.model.flags.UseBaseServers) {
    ScheduleGridExit();
  } else {
    clearOnDuty();  // the grid's plan is computed when the planner puts it in force
    drawCharts();
  }
}

// The plan on screen into the model: start cells (any text, read by its
// leading digits) and the checked items of both template lists.
void TTimeChecksForm::readPlan() {
  morvane::StaffingState& staff = app_.model.staffing;
  const StartTimesGrid* grid = startTimes_->grid();
  for (const EmployeeType type : {FullTime, PartTime})
    for (int period = 0; period < morvane::kPeriods; ++period)
      staff.StartTimes[type][period] =
          morvane::ReadStartCell(grid->cellText(period, StartColumn(type)).toStdString());
  staff.DutyTemplate[FullTime] = fullTimePage_->list()->checkedItems();
  staff.DutyTemplate[PartTime] = partTimePage_->list()->checkedItems();
}

void TTimeChecksForm::showOnDuty() {
  const morvane::StaffingState& staff = app_.model.staffing;
  StartTimesGrid* grid = startTimes_->grid();
  for (int column = morvane::OnDutyTotal; column <= morvane::OnDutyPartTime; ++column)
    for (int period = 0; period < morvane::kPeriods; ++period)
      grid->setCellText(period, StartTimesGrid::OnDutyColumn + column,
                        QString::number(staff.OnDutyByPeriod[column][period]));
  startTimes_->laborCost()->setText(
      QString::fromStdString(morvane::LaborCostCaption(staff.LaborCost, app_.locale)));
}

void TTimeChecksForm::clearOnDuty() {
  StartTimesGrid* grid = startTimes_->grid();
  for (int column = morvane::OnDutyTotal; column <= morvane::OnDutyPartTime; ++column)
    for (int period = 0; period < morvane::kPeriods; ++period)
      grid->setCellText(period, StartTimesGrid::OnDutyColumn + column, QString());
  startTimes_->laborCost()->clear();
}

// The type's StartTimes into its grid column; counts of 0 or below show as
// "0" or as an empty cell.
void TTimeChecksForm::writeStartColumn(EmployeeType type, bool zerosAsText) {
  const morvane::PeriodCounts& starts = app_.model.staffing.StartTimes[type];
  for (int period = 0; period < morvane::kPeriods; ++period) {
    const bool shown = zerosAsText || starts[period] > 0;
    startTimes_->grid()->setCellText(period, StartColumn(type),
                                     shown ? QString::number(starts[period]) : QString());
  }
}

bool TTimeChecksForm::onStartTimesTab() {
  if (notebook_->currentIndex() == kStartTimesTab) return true;
  app_.ui->message(morvane::MessageKind::Information, morvane::kStartTimesTabOnly);
  return false;
}

// An amount outside 1..95 is reset to 1; text that is no integer is refused
// and the box shows the amount still in force. An empty box changes nothing.
void TTimeChecksForm::checkShiftAmount(QLineEdit* edit, std::int32_t& amount) {
  const std::string text = edit->text().toStdString();
  const auto value = morvane::ParseInteger(text);
  if (!value) {
    edit->setText(QString::number(amount));
    if (!text.empty())
      app_.ui->message(morvane::MessageKind::Error, "'" + text + "' is not a valid integer value");
    return;
  }
  amount = *value;
  if (amount >= kLowestShift && amount <= kHighestShift) return;
  amount = kLowestShift;
  edit->setText(QString::number(amount));
  app_.ui->message(morvane::MessageKind::Warning, kShiftRangeWarning);
}

void TTimeChecksForm::shiftStarts(EmployeeType type, morvane::ShiftDirection direction) {
  const bool forward = direction == morvane::ShiftDirection::Forward;
  morvane::ShiftStarts(app_.model.staffing.StartTimes[type], forward ? forwardAmount_ : backwardAmount_,
                       direction);
  writeStartColumn(type, true);
  ScheduleGridExit();
}

void TTimeChecksForm::ClearButtonClick() {
  if (!onStartTimesTab()) return;
  for (const EmployeeType type : {FullTime, PartTime}) {
    app_.model.staffing.StartTimes[type].fill(0);
    writeStartColumn(type, false);
  }
  ScheduleGridExit();
}

void TTimeChecksForm::ExitButtonClick() {
  if (!onStartTimesTab()) return;
  ScheduleGridExit();
  if (!app_.ui->ask("Are you satisfied with the current schedule?", morvane::MessageKind::Warning)) return;
  emit mainWindowWanted();
  hide();
}
