// The main window's File menu driven as a planner would: shortcuts, Alt+F and
// clicks on the menu's items; file dialogs answered by script, questions by
// the scripted user interface.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

#include "program/morvane_windows.h"
#include "shared/file_choice_dialog.h"
#include "staffing_window/start_times_grid.h"
#include "support/external_tool.h"
#include "support/scripted_user_interface.h"
#include "support/window_driving.h"

// Texts in the failure messages of EXPECT_EQ.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using morvane::testing::Control;

class ScenarioMenuTest : public ::testing::Test {
 protected:
  ScenarioMenuTest() {
    QSettings("Morvane", "Morvane").clear();  // the test location: no recent files
    QApplication::setQuitOnLastWindowClosed(false);
    app.ui = &ui;
    windows = std::make_unique<MorvaneWindows>(app, 0);
    form = &windows->main;
    morvane::testing::ShowActive(*form);
  }

  QString file(const QString& name) const { return dir.filePath(name); }
  QString text(const QWidget& window, const char* box) const {
    return Control<QLineEdit>(window, box)->text();
  }
  void enter(const QWidget& window, const char* box, const QString& typed) {
    auto* edit = Control<QLineEdit>(window, box);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Tab);
  }
  void enter(const char* box, const QString& typed) { enter(*form, box, typed); }
  void click(const QWidget& window, const char* button) {
    QTest::mouseClick(Control<QAbstractButton>(window, button), Qt::LeftButton);
  }
  void clickMark(const char* box) {
    auto* check = Control<QCheckBox>(*form, box);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
  }
  // The dialog answers with these names in turn, then cancels; `filter` is
  // the file type the planner picks.
  void chooseFiles(const char* dialog, std::deque<QString> names, const QString& filter = {}) {
    Control<FileChoiceDialog>(*form, dialog)->setChooser(
        [names = std::move(names), filter](FileChoiceDialog& shown) mutable {
          if (!filter.isEmpty()) shown.selectNameFilter(filter);
          if (names.empty()) return QString();
          QString name = names.front();
          names.pop_front();
          return name;
        });
  }
  void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(form, key, modifiers);
  }
  QMenu* fileMenu() const { return Control<QMenu>(*form, "FileMenu"); }
  QAction* action(const char* name) const { return Control<QAction>(*form, name); }
  // Alt+F opens the menu; a click on the item chooses it.
  void clickItem(const char* name) {
    key(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fileMenu()));
    QTest::mouseClick(fileMenu(), Qt::LeftButton, {}, fileMenu()->actionGeometry(action(name)).center());
  }
  QStringList recentTexts() const {
    QStringList texts;
    for (QAction* item : fileMenu()->actions())
      if (item->objectName().startsWith("RecentFile") && item->isVisible()) texts << item->text();
    return texts;
  }
  void saveAs(const QString& path) {
    chooseFiles("SaveScenarioDialog", {path});
    key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  }
  QString title() const { return form->windowTitle().section(" - ", 0, 0); }

  QTemporaryDir dir;
  morvane::testing::ScriptedUserInterface ui;
  MorvaneApp app;
  std::unique_ptr<MorvaneWindows> windows;
  TMorvaneForm* form;
};

// ---- Saving and opening ------------------------------------------------------

TEST_F(ScenarioMenuTest, AScenarioSavedMadeNewAndOpenedAgainIsTheSame) {
  enter("MeanDemandEdit", "12");
  enter("AmplitudeEdit", "5");
  clickMark("BlockCheckBox");
  enter("BlockMinEdit", "30");
  enter("DelayCostEdit", "31.5");
  Control<FileChoiceDialog>(*form, "ForecastDialog")->setChooser([](FileChoiceDialog&) {
    return QStringLiteral(MORVANE_EXAMPLES_DIR "/contact_centre_day.csv");
  });
  click(*form, "LoadForecastButton");
  clickMark("ForecastCheckBox");  // back to the sine; the forecast stays loaded
  click(*form, "SetTimes");
  auto* grid = Control<StartTimesGrid>(windows->staffing, "ScheduleGrid");
  grid->setFocus();
  grid->setCurrentCell(32, StartTimesGrid::FullTimeStartColumn);
  QTest::keyClicks(grid, "7");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ui.answer(true);
  click(windows->staffing, "ExitButton");
  ASSERT_EQ(app.model.staffing.StartTimes[morvane::FullTime][32], 7);
  click(*form, "GAButton");
  morvane::testing::ShowActive(windows->ga);
  enter(windows->ga, "RandSeedEdit", "4242");
  enter(windows->ga, "CriticalPwaitEdit", "0.3");
  click(windows->ga, "CloseButton");
  morvane::testing::ShowActive(*form);
  const morvane::Scenario changed = form->currentScenario();
  ASSERT_TRUE(changed.loadedForecast && !changed.inputs.Forecast && changed.plan);
  ASSERT_EQ(changed.ga.RandomSeed, 4242);

  chooseFiles("SaveScenarioDialog", {file("week49")});
  key(Qt::Key_S);  // untitled: Save is Save As
  EXPECT_EQ(title(), "week49[*]");
  key(Qt::Key_N);  // nothing unsaved: no question
  EXPECT_TRUE(form->currentScenario() == morvane::Scenario{});
  EXPECT_EQ(text(*form, "MeanDemandEdit"), "10.00");
  EXPECT_EQ(Control<QLabel>(*form, "ForecastLabel")->text(), "");
  EXPECT_EQ(Control<QLabel>(*form, "ServerCountUsedLabel")->text(), "Using Base Server Value Above");
  EXPECT_EQ(grid->cellText(32, StartTimesGrid::FullTimeStartColumn), "");
  EXPECT_EQ(text(windows->ga, "RandSeedEdit"), QString::number(morvane::GASettings{}.RandomSeed));
  EXPECT_EQ(title(), "Untitled[*]");

  chooseFiles("OpenScenarioDialog", {file("week49")});
  clickItem("OpenAction");
  EXPECT_TRUE(form->currentScenario() == changed);
  EXPECT_FALSE(form->isWindowModified());
  EXPECT_EQ(title(), "week49[*]");
  EXPECT_EQ(text(*form, "MeanDemandEdit"), "12.00");
  EXPECT_EQ(text(*form, "DelayCostEdit"), "31.50");
  EXPECT_TRUE(Control<QCheckBox>(*form, "BlockCheckBox")->isChecked());
  EXPECT_TRUE(Control<QCheckBox>(*form, "ForecastCheckBox")->isEnabled());
  EXPECT_FALSE(Control<QCheckBox>(*form, "ForecastCheckBox")->isChecked());
  EXPECT_EQ(Control<QLabel>(*form, "ForecastLabel")->text(), "contact_centre_day.csv: 30 min, peak 70.0/h");
  EXPECT_EQ(Control<QLabel>(*form, "ServerCountUsedLabel")->text(), "Using Servers Set By Shift Forms");
  EXPECT_FALSE(Control<QWidget>(*form, "GAButton")->isHidden());
  EXPECT_EQ(grid->cellText(32, StartTimesGrid::FullTimeStartColumn), "7");
  EXPECT_EQ(text(windows->ga, "RandSeedEdit"), "4242");
  EXPECT_EQ(text(windows->ga, "CriticalPwaitEdit"), "0.300");

  saveAs(file("again.morvane"));
  EXPECT_EQ(morvane::testing::fileText(file("again.morvane")), morvane::testing::fileText(file("week49")));
  EXPECT_EQ(title(), "again.morvane[*]");
}

TEST_F(ScenarioMenuTest, TheMarkShowsUnsavedChangesUntilSave) {
  EXPECT_TRUE(form->windowTitle().startsWith("Untitled[*] - Morvane (1.0.0.1   "));
  EXPECT_FALSE(form->isWindowModified());
  enter("CyclesEdit", "2");
  EXPECT_TRUE(form->isWindowModified());
  enter("CyclesEdit", "1");  // the values are compared, not the edits counted
  EXPECT_FALSE(form->isWindowModified());
  enter("ServersEdit", "20");
  EXPECT_TRUE(form->isWindowModified());
  saveAs(file("plan.morvane"));
  EXPECT_FALSE(form->isWindowModified());
  enter("ServersEdit", "21");
  key(Qt::Key_S);  // titled: saved without a dialog
  EXPECT_FALSE(form->isWindowModified());
  EXPECT_EQ(title(), "plan.morvane[*]");
}

TEST_F(ScenarioMenuTest, UnsavedChangesAreAskedAboutBeforeNewAndQuit) {
  enter("CyclesEdit", "3");
  ui.cancel();
  key(Qt::Key_N);
  ui.cancel();
  click(*form, "Quit");
  ui.cancel();
  morvane::testing::CloseFromTitleBar(*form);
  EXPECT_EQ(ui.questions, std::vector<std::string>(3, "Save the changes to Untitled?"));
  EXPECT_EQ(app.model.inputs.CyclesPerDay, 3);
  EXPECT_FALSE(form->isHidden());

  ui.answer(true);  // Yes, then the save dialog cancelled: New stops
  chooseFiles("SaveScenarioDialog", {});
  key(Qt::Key_N);
  EXPECT_EQ(app.model.inputs.CyclesPerDay, 3);
  ui.answer(false);  // No: the changes go
  key(Qt::Key_N);
  EXPECT_EQ(app.model.inputs.CyclesPerDay, 1);
  EXPECT_FALSE(form->isWindowModified());

  enter("CyclesEdit", "4");
  ui.questions.clear();
  ui.allowMessages();
  ui.answer(false);
  ui.answer(true);
  key(Qt::Key_Q);
  EXPECT_EQ(ui.questions, (std::vector<std::string>{"Save the changes to Untitled?",
                                                    "Are you sure you want to quit the Morvane?"}));
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Thanks for using the Morvane.\r\rGoodbye."});
  EXPECT_TRUE(form->isHidden());
}

TEST_F(ScenarioMenuTest, AnOpenThatFailsChangesNothing) {
  enter("CyclesEdit", "5");
  ui.answer(false);
  ui.allowMessages();
  chooseFiles("OpenScenarioDialog", {file("missing.morvane")});
  key(Qt::Key_O);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("missing.morvane"), std::string::npos);
  EXPECT_EQ(app.model.inputs.CyclesPerDay, 5);
  EXPECT_TRUE(form->isWindowModified());
}

// ---- Recent files ------------------------------------------------------------

TEST_F(ScenarioMenuTest, TheFiveFilesUsedLastNewestFirstAndAMissingOneLeaves) {
  for (const char* name : {"a", "b", "c", "d", "e", "f"}) saveAs(file(QString(name) + ".morvane"));
  EXPECT_EQ(recentTexts(), QStringList({"&1 f.morvane", "&2 e.morvane", "&3 d.morvane",
                                        "&4 c.morvane", "&5 b.morvane"}));
  EXPECT_EQ(action("RecentFile3")->statusTip(), file("d.morvane"));

  clickItem("RecentFile3");
  EXPECT_EQ(title(), "d.morvane[*]");
  EXPECT_EQ(recentTexts(), QStringList({"&1 d.morvane", "&2 f.morvane", "&3 e.morvane",
                                        "&4 c.morvane", "&5 b.morvane"}));

  QFile::remove(file("e.morvane"));
  ui.allowMessages();
  clickItem("RecentFile3");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("e.morvane"), std::string::npos);
  EXPECT_EQ(title(), "d.morvane[*]");
  EXPECT_EQ(recentTexts(), QStringList({"&1 d.morvane", "&2 f.morvane", "&3 c.morvane", "&4 b.morvane"}));
}

// ---- Export --------------------------------------------------------------------

TEST_F(ScenarioMenuTest, ExportWritesEitherTableOnlyOnceItIsComputed) {
  ui.allowMessages();
  const QString minutes = file("minutes.csv"), steps = file("steps.csv");
  chooseFiles("ExportDialog", {minutes});
  clickItem("ExportAction");
  EXPECT_EQ(ui.messages.back(),
            "There are no results to export yet.\rCompute the steady state probabilities first.");
  EXPECT_FALSE(QFile::exists(minutes));

  click(*form, "MMCProbButton");
  chooseFiles("ExportDialog", {minutes}, "Per-minute results (*.csv)");
  clickItem("ExportAction");
  EXPECT_EQ(ui.messages.back(), "File <" + minutes.toStdString() + "> written successfully.");
  const QStringList lines = morvane::testing::fileText(minutes).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(lines.value(0), "minute,arrival,capacity,servers,ss_mean,ss_pwait,ss_service_level,ss_asa,overloaded,ss_abandonment");
  EXPECT_EQ(lines.size(), 1 + 1441);

  // Before the time-dependent computation only the per-minute table is offered.
  QStringList offered;
  Control<FileChoiceDialog>(*form, "ExportDialog")->setChooser([&offered](FileChoiceDialog& dialog) {
    offered = dialog.nameFilters();
    return QString();
  });
  clickItem("ExportAction");
  EXPECT_EQ(offered, QStringList{"Per-minute results (*.csv)"});

  click(*form, "ComputeTransientProbsButton");
  chooseFiles("ExportDialog", {steps}, "Per-step results (*.csv)");
  clickItem("ExportAction");
  EXPECT_EQ(morvane::testing::fileText(steps).section('\n', 0, 0), "step,minute,mean,pwait,service_level,asa,pallbusy,abandonment");
  EXPECT_EQ(morvane::testing::fileText(steps).count('\n'), 1 + app.model.steps.NumSteps + 1);

  ui.answer(true);  // replace it
  const QString folder = file("folder");
  QDir().mkdir(folder);
  chooseFiles("ExportDialog", {folder}, "Per-step results (*.csv)");
  clickItem("ExportAction");
  EXPECT_EQ(ui.messages.back(), "File <" + folder.toStdString() +
                                    "> could not be written: it is a folder.\rAny file of that name "
                                    "was left as it was.");
}

// The menu waits, like the buttons, while a computation runs.
TEST_F(ScenarioMenuTest, TheMenuIsLockedDuringAComputation) {
  bool locked = true;
  Control<FileChoiceDialog>(*form, "SaveScenarioDialog")->setChooser([](FileChoiceDialog&) {
    ADD_FAILURE() << "the menu answered during a computation";
    return QString();
  });
  ui.duringPause = [&] {
    locked = locked && !Control<QMenuBar>(*form, "MainMenu")->isEnabled();
    key(Qt::Key_S);
  };
  click(*form, "MMCProbButton");
  EXPECT_TRUE(locked);
  EXPECT_FALSE(ui.pauses.empty());
  EXPECT_TRUE(Control<QMenuBar>(*form, "MainMenu")->isEnabled());
}

// Save As starts from the scenario's own file; Export suggests the chosen table's name.
TEST_F(ScenarioMenuTest, TheDialogsSuggestTheNames) {
  saveAs(file("week50.morvane"));
  QStringList offered;
  const auto note = [&offered](FileChoiceDialog& shown) {
    offered << QFileInfo(shown.selectedFiles().value(0)).filePath();
    if (shown.objectName() == "ExportDialog") {
      shown.selectNameFilter("Per-step results (*.csv)");
      emit shown.filterSelected("Per-step results (*.csv)");  // the planner picks the type
      offered << QFileInfo(shown.selectedFiles().value(0)).fileName();
    }
    return QString();
  };
  Control<FileChoiceDialog>(*form, "SaveScenarioDialog")->setChooser(note);
  key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  click(*form, "MMCProbButton");
  click(*form, "ComputeTransientProbsButton");
  Control<FileChoiceDialog>(*form, "ExportDialog")->setChooser(note);
  clickItem("ExportAction");
  ASSERT_EQ(offered.size(), 3);
  EXPECT_EQ(offered[0], file("week50.morvane"));
  EXPECT_EQ(QFileInfo(offered[1]).fileName(), "minutes.csv");
  EXPECT_EQ(offered[2], "steps.csv");
}

}  // namespace
