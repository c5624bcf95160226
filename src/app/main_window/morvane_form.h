// TMorvaneForm: the main window. The planner enters a scenario, runs the
// steady-state and time-dependent computations, reads the costs and looks at
// the charts; from here the staffing window, the about box and (while a
// staffing plan is in force) the GA window are reached.
#pragma once

#include <QPointer>
#include <QWidget>

#include "main_window/results_shown.h"
#include "scenario/scenario.h"
#include "shared/morvane_app.h"

class ChartPanel;
class OutputCharts;
class ProbabilityPlots;
class QLayout;
class QProgressBar;
class QPushButton;
class ResultLabelsPanel;
class ScenarioMenu;
class ScenarioPanels;

class TMorvaneForm : public QWidget {
  Q_OBJECT

 public:
  // splashMilliseconds: how long the about box shows as a splash at creation.
  explicit TMorvaneForm(MorvaneApp& app, int splashMilliseconds = 1500, QWidget* parent = nullptr);

  // The two computations; the windows that install a plan run them too. A
  // computation asked for while one runs is ignored, and so is a time-dependent
  // one without the steady state of the inputs in force.
  void MMCProbButtonClick();
  void ComputeTransientProbsButtonClick();
  bool computing() const { return computing_; }

  // false: hides the result labels, empties every chart series. Always: the
  // time-dependent computation waits for the next steady-state one.
  void ShowNoGraphsAndCosts(bool show);
  void ShowNoShowCosts(bool show);
  void UpdateSummaryCosts();
  void MMCProbOutput();
  void PlotProbabilities();
  // A plan the core installed and computed (the end of a GA run) on screen:
  // charts, result labels and probability plots, as after both computations.
  void ShowInstalledPlan();
  // BaseServers on duty all day; with invalidate, the results are emptied too.
  void installBaseStaffing(bool invalidate);

  // What the core moves during a computation (QtUserInterface's signals).
  void moveGauge(morvane::Gauge gauge, int percent);
  void showValue(morvane::ShownValue value);

  // The result labels show a time-dependent result of the current inputs.
  bool resultsShown() const;
  // The steady state of the inputs in force is computed.
  bool steadyStateShown() const { return timeDependentAllowed_; }

  // The scenario in force, and another put in force in its place (File menu):
  // every box and label shows it, the results are emptied, the GA starts
  // afresh, and the other windows hear of it (scenarioReplaced).
  morvane::Scenario currentScenario() const;
  void putInForce(const morvane::Scenario& scenario);
  // The charts printing and saving work on: the output chart shown, and Chart1.
  ChartPanel* visibleOutputChart() const;
  ChartPanel* probabilityChart() const;

 public slots:
  // Printing (summary_printing.h, chart_printing.h) and saving (chart_saving.h);
  // without a printer the planner may take a PDF file. The save dialog is the
  // child "SaveMap" (chartSaveDialog).
  void PrintSummaryButtonClick();
  void PrintGraph1Click();
  void PrintGraph2Click();
  void SaveGraph1Click();
  void SaveGraph2Click();
  // The improvement of the current plan, in the GA window; the improved plan
  // becomes the current one.
  void ImproveCurrentSolnButtonClick();
  // Both computations, as the planner runs them (a plan chosen elsewhere).
  void computeBoth();
  // A search for a plan in another window (the GA window's improvement of the
  // current plan, the staffing window's plan for the target) works on the
  // model: this window's commands wait from its start to its end; a plan it
  // put in force is then computed.
  void planSearchStarted();
  void planSearchEnded(bool planChanged);

 signals:
  // The planner asks for another window ("&Set Times", "&GA", "&About??") or
  // for the improvement of the current plan.
  void staffingWanted();
  void gaWanted();
  void aboutWanted();
  void improvementWanted();
  // Another scenario is in force: its plan and GA settings need showing.
  void scenarioReplaced();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormShow(int splashMilliseconds);
  void SetTimesClick();
  void GAButtonClick();
  void ResetDefaultButtonClick();
  void AboutButtonClick();
  void QuitClick();
  bool confirmQuit();
  void refreshMark();
  void inputsChanged();
  void offerOptimisation();
  bool beginRun();
  void endRun();
  void allowTimeDependent(bool allowed);
  void showTimeDependentResults();

  QWidget* buildScrolledPart();
  void fitScreen();
  ResultsShown shownResults() const;
  QWidget* buildCharts();
  QLayout* buildLeft();
  QLayout* buildRight();
  QWidget* buildBottomRow();
  QPushButton* button(const QString& objectName, const QString& caption, const QString& hint,
                      void (TMorvaneForm::*click)());

  MorvaneApp& app_;
  ScenarioPanels* panels_;
  ScenarioMenu* menu_ = nullptr;
  OutputCharts* outputs_;
  ProbabilityPlots* plots_;
  ResultLabelsPanel* results_;
  QPushButton* GAButton = nullptr;
  QPushButton* MMCProbButton = nullptr;
  QPushButton* ComputeTransientProbsButton = nullptr;
  QProgressBar* PctDone = nullptr;
  QProgressBar* IterationGauge = nullptr;
  QList<QWidget*> lockedDuringRuns_;
  QPointer<QWidget> focusBeforeRun_;
  bool computing_ = false;
  bool timeDependentAllowed_ = false;
  bool quitConfirmed_ = false;
};
