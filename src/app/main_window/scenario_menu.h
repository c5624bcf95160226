// The main window's menu bar and its File menu: a new scenario, opening and
// saving scenario files, the five files used last, the export of the results,
// and quitting. Before New or Open replaces a scenario with unsaved changes
// (and before Quit), the planner may save them or cancel.
#pragma once

#include <QList>
#include <QMenuBar>
#include <functional>

#include "main_window/recent_files.h"
#include "main_window/results_shown.h"
#include "main_window/scenario_document.h"
#include "shared/morvane_app.h"

class FileChoiceDialog;

class ScenarioMenu : public QMenuBar {
  Q_OBJECT

 public:
  // What the menu asks of the window it sits in.
  struct Window {
    QWidget& widget;  // its title names the scenario; it owns the dialogs
    std::function<morvane::Scenario()> current;                 // the scenario in force
    std::function<void(const morvane::Scenario&)> putInForce;  // another in its place
    std::function<ResultsShown()> shown;                        // the results to export
  };

  // The title shows "Untitled - <programTitle>" until a file is saved or opened.
  ScenarioMenu(const Window& window, MorvaneApp& app, const QString& programTitle);

  // With unsaved changes, asks "Save the changes to <name>?": Yes saves, No
  // goes on; false when the planner cancels or the save does not happen.
  bool changesSettled();
  // The title's mark of unsaved changes, from the scenario in force.
  void refreshMark() { document_.refreshMark(); }

 signals:
  void quitWanted();  // "&Quit": what the window's Quit button does

 private:
  void addCommand(const QString& name, const QString& caption, const QKeySequence& keys,
                  const std::function<void()>& command);
  void addRecentFiles();
  void makeDialogs();
  void showRecentFiles();

  void newScenario();
  void open();
  void openRecent(const QString& path);
  bool openFile(const QString& path);
  bool save();
  bool saveAs();
  bool saveTo(const QString& path);
  void keep(const QString& path);
  void exportResults();

  Window window_;
  MorvaneApp& app_;
  ScenarioDocument document_;
  RecentFiles recent_;
  QMenu* file_;
  QList<QAction*> recentActions_;
  FileChoiceDialog* openDialog_ = nullptr;
  FileChoiceDialog* saveDialog_ = nullptr;
  FileChoiceDialog* exportDialog_ = nullptr;
};
