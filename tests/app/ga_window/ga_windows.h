// The five windows on the quick optimisation scenario, for the tests of the GA
// window and the tradeoff window: the planner's typing and clicking, and a
// serial core run of the same scenario to compare a window's run with.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "program/morvane_windows.h"
#include "shared/radio_group.h"
#include "ga_window/run_report.h"
#include "staffing_window/time_checks_form.h"
#include "optimiser/ga_run.h"
#include "core/optimiser/ga_scenario.h"
#include "support/scripted_user_interface.h"
#include "support/window_driving.h"

namespace morvane::testing {

class GAWindows : public ::testing::Test {
 protected:
  GAWindows() {
    app.ui = &ui;
    app.model.inputs = reference.model.inputs;  // the quick scenario, in the main window's boxes too
    windows = std::make_unique<MorvaneWindows>(app, 0);
    main = &windows->main;
    staffing = &windows->staffing;
    about = &windows->about;
    ga = &windows->ga;
    tradeoff = &windows->tradeoff;
    app.model.flags.UseBaseServers = false;  // a staffing plan in force
    ga->state().clock = reference.state->clock;
    ShowActive(*ga);
  }

  template <typename Widget>
  Widget* child(const QWidget& window, const char* name) const {
    return Control<Widget>(window, name);
  }
  template <typename Widget>
  Widget* gaChild(const char* name) const {
    return child<Widget>(*ga, name);
  }
  QString text(const char* box) const { return gaChild<QLineEdit>(box)->text(); }

  // Types into a box of the GA window, then leaves it with Tab.
  void enter(const char* box, const QString& typed) {
    auto* edit = gaChild<QLineEdit>(box);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Tab);
  }
  void click(const QWidget& window, const char* button) {
    QTest::mouseClick(child<QAbstractButton>(window, button), Qt::LeftButton);
  }
  void click(const char* button) { click(*ga, button); }
  // On the button itself: a check box or radio button takes clicks on its mark and caption only.
  void clickMark(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  void check(const char* box) { clickMark(gaChild<QAbstractButton>(box)); }
  void choose(const char* group, int item) { clickMark(gaChild<RadioGroup>(group)->item(item)); }
  bool enabled(const char* control) const { return gaChild<QWidget>(control)->isEnabled(); }

  // A short run of 5 plans: 1 carried over, 1 imported, 3 children, 2 generations.
  void smallRun() {
    enter("MaxCostEdit", "2000");
    enter("InitPopEdit", "5");
    enter("CarryOverEdit", "1");
    enter("Number2ImportEdit", "1");
    enter("MaxGenEdit", "2");
    check("ImproveLastBox");  // off
  }
  // The same run by the core alone, with the settings the window's run began with.
  RunResult referenceRun(const GASettings& settings) {
    reference.settings = settings;
    return DoGAClick(reference.context);
  }
  std::vector<std::string> report() const { return gaChild<RunReportBox>("InitPopBox")->lines(); }
  bool reportHas(const std::string& line) const {
    const std::vector<std::string> lines = report();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  GAScenario reference;
  ScriptedUserInterface ui;
  MorvaneApp app;
  std::unique_ptr<MorvaneWindows> windows;
  TMorvaneForm* main;
  TTimeChecksForm* staffing;
  TAboutForm* about;
  TGAForm* ga;
  TMultiObjectiveForm* tradeoff;
};

}  // namespace morvane::testing
