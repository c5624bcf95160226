// The staffing window's "Plan for target": the core's search for the cheapest
// plan that meets the service target in every step, with its progress and
// Stop, and the plan it finds put in force and shown. The search itself, its
// checks and its messages are the core's.
#include <QHBoxLayout>
#include <QProgressBar>
#include <QTabWidget>

#include "shared/command_button.h"
#include "staffing_window/gauge_interface.h"
#include "staffing_window/time_checks_form.h"
#include "optimiser/ga_settings.h"

namespace {

const QString kPlanCaption = QStringLiteral("Plan for &target");
const QString kStopCaption = QStringLiteral("&Stop");

}  // namespace

QWidget* TTimeChecksForm::makeTargetCommand() {
  auto* command = new QWidget;
  targetButton_ = new CommandButton(
      QStringLiteral("TargetButton"), kPlanCaption,
      QStringLiteral("Click to put in force the cheapest plan that meets the service target all day, "
                     "starting employees as often as the GA window's settings allow"));
  targetGauge_ = new QProgressBar;
  targetGauge_->setObjectName(QStringLiteral("TargetGauge"));
  targetGauge_->setRange(0, 100);
  targetGauge_->setValue(0);
  auto* row = new QHBoxLayout(command);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(targetButton_);
  row->addWidget(targetGauge_);
  connect(targetButton_, &QPushButton::clicked, this, &TTimeChecksForm::TargetButtonClick);
  return command;
}

// While the search runs the button is its Stop, and every other control waits.
void TTimeChecksForm::TargetButtonClick() {
  if (searching_) {
    stopRequested_ = true;
    return;
  }
  if (!onStartTimesTab()) return;
  readPlan();  // the templates on screen are the ones to cover with
  showSearching(true);
  emit targetSearchStarted();
  const std::optional<morvane::TargetPlan> plan = searchPlanForTarget();
  if (plan) installTargetPlan(*plan);
  emit targetSearchEnded(plan.has_value());
  showSearching(false);
}

// Starts as often as the GA window's "Start employees every", on its workers.
std::optional<morvane::TargetPlan> TTimeChecksForm::searchPlanForTarget() {
  stopRequested_ = false;
  GaugeInterface ui(*app_.ui, *targetGauge_);
  const morvane::GASettings& settings = app_.gaSettings;
  const morvane::TargetOutcome outcome =
      morvane::ComputePlanForTarget(app_.model, settings.StartInterval, ui,
                                    {morvane::WorkerThreads(settings.Threads), &stopRequested_});
  if (outcome.refusal) app_.ui->message(morvane::MessageKind::Error, *outcome.refusal);
  return outcome.plan;
}

// The plan into StartTimes and the grid, as a plan the GA installs; the chart
// shows the requirement it was found for.
void TTimeChecksForm::installTargetPlan(const morvane::TargetPlan& plan) {
  app_.exactRequirement = plan.requirement.Exact;
  morvane::InstallTargetPlan(app_.model, plan.starts);
  showStartTimes();
}

void TTimeChecksForm::showSearching(bool searching) {
  searching_ = searching;
  for (QWidget* control : lockedDuringSearch_) control->setEnabled(!searching);
  targetButton_->setText(searching ? kStopCaption : kPlanCaption);
  if (searching) targetGauge_->setValue(0);
}
