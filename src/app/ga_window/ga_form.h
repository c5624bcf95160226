// TGAForm: the GA window. It holds the settings of the genetic algorithm and
// the populations, runs the GA ("&Do GA") with its run report and charts, saves
// the report as a history file, and lends itself to the main window's
// improvement of the current plan. The window is the run's observer: the core
// hands it chart data and the local improvement's progress between two plans.
#pragma once

#include <QWidget>
#include <memory>

#include "shared/morvane_app.h"
#include "ga_window/run_report.h"
#include "optimiser/ga_observer.h"
#include "optimiser/ga_settings.h"
#include "optimiser/ga_solution.h"
#include "optimiser/ga_state.h"

class FileChoiceDialog;
class GAChartsPanel;
class GASettingsPanel;
class ImprovementFields;
class QProgressBar;
class QPushButton;
class QScrollArea;

class TGAForm : public QWidget, public morvane::GAObserver {
  Q_OBJECT

 public:
  explicit TGAForm(MorvaneApp& app, QWidget* parent = nullptr);
  ~TGAForm() override;

  morvane::GASettings& settings() { return settings_; }
  morvane::GAState& state() { return *app_.gaState; }
  // A GA run or an improvement is under way; its pauses let events through.
  bool running() const { return running_; }

  // "&Do GA": one run; at its end the best plan is in the staffing grid and on
  // the main window.
  void DoGAClick();
  // "&STOP GA" / "&Stop Imp": the run stops after the current generation, an
  // improvement after the current plan.
  void AbortButtonClick();
  void CloseButtonExit();
  void SaveHistoryButtonClick();
  // The full layout (true) or the improvement-only layout (false).
  void ShowNoShowInGAForm(bool show);

 public slots:
  // The improvement of the current plan: shows this window in its
  // improvement-only layout and improves the plan in StartTimes (see
  // ImproveCurrentPlan), between improvementStarted and improvementEnded.
  void ImproveCurrentSoln();
  // Report lines of computations outside a run (the solver's), at the top.
  void insertReportLine(const QString& line);
  void clearReport();
  // Every setting from the app's GA settings, with the rules that enable the
  // controls (another scenario was put in force).
  void showSettings();

 signals:
  void mainWindowWanted();       // "&Close"
  void tradeoffWanted();         // a second objective was chosen
  void planInstalled();          // a run's best plan is in the model, computed
  void improvementStarted();
  void improvementEnded(bool improved);  // improved: the better plan is in the model
  // The run's points for the tradeoff chart.
  void carryOverDrawn(double x, double y);
  void tradeoffDrawn(const morvane::TradeoffChart& chart);
  void runStarting();  // the charts of the run before are emptied

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void runStarted() override;
  void generationPlotted(const morvane::GenerationPlot& plot) override;
  void carryOverPlotted(double x, double y) override;
  void tradeoffShown(const morvane::TradeoffChart& chart) override;
  void improvementShown(bool visible) override;
  void improvementText(morvane::ImprovementField field, const std::string& text) override;
  void improvementFound(bool found) override;

  QScrollArea* buildSettingsColumn();
  QWidget* buildCommands();
  QPushButton* button(const char* name, const QString& caption);
  morvane::GAContext context();
  void setRunning(bool running);
  void showChosenPlan();

  MorvaneApp& app_;
  morvane::GASettings& settings_;  // the app's
  bool& running_;                   // the app's
  RunReportBox* InitPopBox;
  RunReportInterface reportUi_;
  GASettingsPanel* settingsPanel_;
  GAChartsPanel* charts_;
  ImprovementFields* improvement_;
  QPushButton* DoGA = nullptr;
  QPushButton* AbortButton = nullptr;
  QPushButton* ResetButton = nullptr;
  QPushButton* CloseButton = nullptr;
  QPushButton* SaveHistoryButton = nullptr;
  QProgressBar* HistoryGauge = nullptr;
  FileChoiceDialog* SaveHistory = nullptr;
};
