// TTimeChecksForm: the staffing window, "Set Number Of Servers". The planner
// sets the two duty templates and their wrap-around rule on the first two
// tabs and the FT and PT starts per period on the "Start Times" tab, or has
// "Plan for target" find the cheapest plan that meets the service target.
// Every edit ends in ScheduleGridExit, so the on-duty columns, the labour cost
// and both charts always show the plan on screen.
#pragma once

#include <QWidget>
#include <atomic>
#include <cstdint>
#include <optional>

#include "shared/morvane_app.h"
#include "staffing/start_shift.h"
#include "target/plan_for_target.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class FileChoiceDialog;
class QTabWidget;
class DutyTemplatePage;
class StartTimesTab;

class TTimeChecksForm : public QWidget {
  Q_OBJECT

 public:
  explicit TTimeChecksForm(MorvaneApp& app, QWidget* parent = nullptr);

  // Reads the plan from the grid and the template lists (in interactive mode),
  // computes it and shows the on-duty columns, the labour cost and the chart.
  void ScheduleGridExit();
  // Shows the model's StartTimes in the start columns and computes them: how a
  // plan chosen elsewhere (GA, tradeoff chart) reaches this window.
  void showStartTimes();
  // Shows the model's whole plan: templates, wrap rules and starts, and the
  // on-duty figures while it is in force (empty while the base servers are).
  void showPlan();

 signals:
  // "&Exit to Main Window" was answered Yes: the main window comes back.
  void mainWindowWanted();
  // "Plan for target" searches from the first signal to the second; installed:
  // the plan found is in force, still to be computed.
  void targetSearchStarted();
  void targetSearchEnded(bool installed);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* makeButtons();
  void connectEvents();

  bool onStartTimesTab();
  void readPlan();
  void showOnDuty();
  void clearOnDuty();
  void drawCharts();
  void fillDemandColumns();
  void writeStartColumn(morvane::EmployeeType type, bool zerosAsText);

  void checkShiftAmount(QLineEdit* edit, std::int32_t& amount);
  void shiftStarts(morvane::EmployeeType type, morvane::ShiftDirection direction);
  void ClearButtonClick();
  void ExitButtonClick();
  void WriteButtonClick();
  void ReadButtonClick();
  void makeFileDialogs();
  QString chooseExistingFile();

  QWidget* makeTargetCommand();
  void TargetButtonClick();
  std::optional<morvane::TargetPlan> searchPlanForTarget();
  void installTargetPlan(const morvane::TargetPlan& plan);
  void showSearching(bool searching);

  MorvaneApp& app_;
  QTabWidget* notebook_;
  DutyTemplatePage* fullTimePage_;
  DutyTemplatePage* partTimePage_;
  StartTimesTab* startTimes_;
  // The dialogs of "&Write Starting Times" ("WriteDialog") and "&Read Starting Times" ("ReadDialog").
  FileChoiceDialog* writeDialog_ = nullptr;
  FileChoiceDialog* readDialog_ = nullptr;
  std::int32_t forwardAmount_ = 1;
  std::int32_t backwardAmount_ = 1;
  // "Plan for target", which turns into "Stop" while it searches, and its progress.
  QPushButton* targetButton_ = nullptr;
  QProgressBar* targetGauge_ = nullptr;
  QList<QWidget*> lockedDuringSearch_;
  bool searching_ = false;
  std::atomic<bool> stopRequested_{false};
};
