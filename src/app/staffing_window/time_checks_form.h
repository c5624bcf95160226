// TTimeChecksForm: the staffing window, "Set Number Of Servers". The planner
// sets the two duty templates and their wrap-around rule on the first two
// tabs and the FT and PT starts per period on the "Start Times" tab. Every
// edit ends in ScheduleGridExit, so the on-duty columns, the labour cost and
// the arrivals-versus-capacity chart always show the plan on screen.
#pragma once

#include <QWidget>
#include <cstdint>

#include "shared/morvane_app.h"
#include "staffing/start_shift.h"

class QLineEdit;
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
};
