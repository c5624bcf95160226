#include "main_window/scenario_menu.h"

#include <QFileInfo>

#include "main_window/results_export.h"
#include "scenario/scenario_file.h"
#include "shared/file_choice_dialog.h"
#include "shared/file_to_write.h"

namespace {

const QString kScenarioFilter = "Morvane scenario (*.morvane)";

}  // namespace

ScenarioMenu::ScenarioMenu(const Window& window, MorvaneApp& app, const QString& programTitle)
    : QMenuBar(&window.widget), window_(window), app_(app), document_(window.widget, window.current) {
  setObjectName("MainMenu");
  file_ = addMenu("&File");
  file_->setObjectName("FileMenu");
  addCommand("NewAction", "&New", QKeySequence("Ctrl+N"), [this] { newScenario(); });
  addCommand("OpenAction", "&Open...", QKeySequence("Ctrl+O"), [this] { open(); });
  addCommand("SaveAction", "&Save", QKeySequence("Ctrl+S"), [this] { save(); });
  addCommand("SaveAsAction", "Save &As...", QKeySequence("Ctrl+Shift+S"), [this] { saveAs(); });
  file_->addSeparator();
  addRecentFiles();
  file_->addSeparator();
  addCommand("ExportAction", "&Export results...", {}, [this] { exportResults(); });
  file_->addSeparator();
  addCommand("QuitAction", "&Quit", QKeySequence("Ctrl+Q"), [this] { emit quitWanted(); });
  makeDialogs();
  document_.setProgramTitle(programTitle);
  keep({});
}

void ScenarioMenu::addCommand(const QString& name, const QString& caption, const QKeySequence& keys,
                              const std::function<void()>& command) {
  QAction* action = file_->addAction(caption);
  action->setObjectName(name);
  action->setShortcut(keys);
  connect(action, &QAction::triggered, this, command);
}

// Five places, shown while they hold a file.
void ScenarioMenu::addRecentFiles() {
  for (int place = 1; place <= RecentFiles::kMostFiles; ++place) {
    QAction* action = file_->addAction(QString());
    action->setObjectName(QString("RecentFile%1").arg(place));
    connect(action, &QAction::triggered, this, [this, action] { openRecent(action->statusTip()); });
    recentActions_ << action;
  }
  showRecentFiles();
}

void ScenarioMenu::makeDialogs() {
  openDialog_ = new FileChoiceDialog(&window_.widget, "OpenScenarioDialog", {kScenarioFilter, "All files (*)"},
                                     "morvane");
  openDialog_->setWindowTitle("Open scenario");
  openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
  openDialog_->setFileMode(QFileDialog::ExistingFile);
  saveDialog_ = new FileChoiceDialog(&window_.widget, "SaveScenarioDialog", {kScenarioFilter}, "morvane");
  saveDialog_->setWindowTitle("Save scenario");
  saveDialog_->setOption(QFileDialog::DontConfirmOverwrite);  // chooseFileToWrite asks
  exportDialog_ = makeExportDialog(&window_.widget);
}

void ScenarioMenu::showRecentFiles() {
  const QStringList files = recent_.files();
  for (int place = 0; place < recentActions_.size(); ++place) {
    QAction* action = recentActions_[place];
    action->setVisible(place < files.size());
    if (place >= files.size()) continue;
    action->setText(QString("&%1 %2").arg(place + 1).arg(QFileInfo(files[place]).fileName()));
    action->setStatusTip(files[place]);
  }
}

bool ScenarioMenu::changesSettled() {
  if (!document_.modified()) return true;
  const auto answer =
      app_.ui->askOrCancel("Save the changes to " + document_.name().toStdString() + "?");
  if (!answer) return false;
  return !*answer || save();
}

void ScenarioMenu::newScenario() {
  if (!changesSettled()) return;
  window_.putInForce(morvane::Scenario{});
  keep({});
}

void ScenarioMenu::open() {
  if (!changesSettled()) return;
  const QString path = openDialog_->chooseFile();
  if (!path.isEmpty()) openFile(path);
}

// A recent file that can no longer be read leaves the list (the reading told why).
void ScenarioMenu::openRecent(const QString& path) {
  if (!changesSettled() || openFile(path)) return;
  recent_.remove(path);
  showRecentFiles();
}

bool ScenarioMenu::openFile(const QString& path) {
  const auto scenario = morvane::ReadScenarioFile(path.toStdString(), *app_.ui);
  if (!scenario) return false;
  window_.putInForce(*scenario);
  keep(path);
  return true;
}

bool ScenarioMenu::save() {
  return document_.path().isEmpty() ? saveAs() : saveTo(document_.path());
}

// The dialog starts from the scenario's own name and folder.
bool ScenarioMenu::saveAs() {
  if (!document_.path().isEmpty()) {
    saveDialog_->setDirectory(QFileInfo(document_.path()).absolutePath());
    saveDialog_->selectFile(document_.path());
  }
  const auto path = chooseFileToWrite(*saveDialog_, *app_.ui);
  return path && saveTo(QString::fromStdString(*path));
}

bool ScenarioMenu::saveTo(const QString& path) {
  if (!morvane::WriteScenarioFile(window_.current(), path.toStdString(), *app_.ui)) return false;
  keep(path);
  return true;
}

// The scenario in force is the one in `path` (none: a new scenario).
void ScenarioMenu::keep(const QString& path) {
  document_.keep(path);
  if (path.isEmpty()) return;
  recent_.add(path);
  showRecentFiles();
}

void ScenarioMenu::exportResults() {
  ExportResults(*exportDialog_, app_.model, window_.shown(), *app_.ui);
}
