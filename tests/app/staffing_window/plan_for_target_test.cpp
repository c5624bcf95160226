// The staffing window's chart of the servers required against those on duty,
// and "Plan for target", on the example scenario opened from the File menu:
// driven as a planner would, with the five windows connected.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <memory>
#include <numeric>

#include "program/morvane_windows.h"
#include "shared/file_choice_dialog.h"
#include "staffing_window/start_times_grid.h"
#include "support/chart_axes.h"
#include "support/scripted_user_interface.h"
#include "support/window_driving.h"

namespace morvane::testing {
namespace {

class PlanForTargetTest : public ::testing::Test {
 protected:
  PlanForTargetTest() {
    QApplication::setQuitOnLastWindowClosed(false);
    app.ui = &ui;
    windows = std::make_unique<MorvaneWindows>(app, 0);
    ShowActive(windows->main);
    Control<FileChoiceDialog>(windows->main, "OpenScenarioDialog")->setChooser([](FileChoiceDialog&) {
      return QStringLiteral(MORVANE_EXAMPLES_DIR "/contact_centre_day.morvane");
    });
    QTest::keyClick(&windows->main, Qt::Key_O, Qt::ControlModifier);
    click(windows->main, "SetTimes");
    ShowActive(windows->staffing);
  }

  void click(const QWidget& window, const char* button) {
    QTest::mouseClick(Control<QPushButton>(window, button), Qt::LeftButton);
  }
  void click(const char* button) { click(windows->staffing, button); }
  const ChartPanel& chart() const { return *Control<ChartPanel>(windows->staffing, "RequirementChart"); }
  const QXYSeries& series(const char* name) const { return *chart().seriesNamed(name); }
  const QXYSeries& shortMarks() const { return *chart().pointSeries().first(); }
  QString onDutyCell(int period) const {
    return Control<StartTimesGrid>(windows->staffing, "ScheduleGrid")->cellText(period, StartTimesGrid::OnDutyColumn);
  }

  // The 96 quarter-hour values of a step series, each flat from 15 p to 15 p + 15.
  static std::vector<double> Steps(const QXYSeries& steps) {
    std::vector<double> values;
    if (steps.count() != 2 * kPeriods + 1) return values;
    for (int period = 0; period < kPeriods; ++period) {
      const QPointF from = steps.at(2 * period), to = steps.at(2 * period + 1);
      EXPECT_EQ(from, QPointF(period * 15, to.y()));
      EXPECT_EQ(to.x(), period * 15 + 15);
      values.push_back(from.y());
    }
    return values;
  }
  // The periods whose servers on duty fall below `needed`.
  static qsizetype ShortOf(const std::vector<double>& needed, const std::vector<double>& onDuty) {
    qsizetype count = 0;
    for (std::size_t p = 0; p < needed.size(); ++p) count += onDuty[p] < needed[p];
    return count;
  }

  ScriptedUserInterface ui;
  MorvaneApp app;
  std::unique_ptr<MorvaneWindows> windows;
};

TEST_F(PlanForTargetTest, TheChartShowsTheRequirementAgainstTheServersOnDuty) {
  const std::vector<double> erlangC = Steps(series("Erlang C"));
  std::vector<double> onDuty = Steps(series("On duty"));
  ASSERT_EQ(erlangC.size(), 96u);
  ASSERT_EQ(onDuty.size(), 96u);
  EXPECT_EQ(series("Exact").count(), 0);  // none computed yet
  EXPECT_EQ(onDuty[30], 6);               // the example's plan at 7:30
  // The hand-made plan leaves some periods below Erlang C: one mark on each.
  EXPECT_GT(ShortOf(erlangC, onDuty), 0);
  EXPECT_EQ(shortMarks().count(), ShortOf(erlangC, onDuty));
  ExpectWholeDay(chart());
  EXPECT_TRUE(windows->staffing.width() <= 1366 && windows->staffing.height() <= 768);  // a laptop's screen
  ExpectRoomAbove(*AxisAt(chart(), Qt::AlignLeft), *std::max_element(erlangC.begin(), erlangC.end()));

  // A start typed in the grid reaches the chart at once.
  auto* grid = Control<StartTimesGrid>(windows->staffing, "ScheduleGrid");
  grid->setFocus();
  grid->setCurrentCell(30, StartTimesGrid::FullTimeStartColumn);
  QTest::keyClicks(QApplication::focusWidget(), "9");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QApplication::processEvents();  // the editor hands an Enter on through the event queue
  onDuty = Steps(series("On duty"));
  EXPECT_EQ(onDuty[30], 15);
  EXPECT_EQ(shortMarks().count(), ShortOf(erlangC, onDuty));
}

TEST_F(PlanForTargetTest, PlanForTargetPutsInForceAPlanWithNoPeriodShort) {
  ui.allowMessages();  // the computations of the plan may warn
  EXPECT_FALSE(windows->main.isWindowModified());
  click("TargetButton");
  for (std::size_t k = 0; k < ui.kinds.size(); ++k) EXPECT_NE(ui.kinds[k], MessageKind::Error) << ui.messages[k];

  const std::vector<double> exact = Steps(series("Exact"));
  const std::vector<double> onDuty = Steps(series("On duty"));
  ASSERT_EQ(exact.size(), 96u);
  EXPECT_EQ(ShortOf(exact, onDuty), 0);
  EXPECT_EQ(shortMarks().count(), 0);
  for (int period : {0, 40, 95}) EXPECT_EQ(onDutyCell(period).toDouble(), onDuty[period]);
  EXPECT_EQ(Control<QProgressBar>(windows->staffing, "TargetGauge")->value(), 100);
  EXPECT_EQ(Control<QPushButton>(windows->staffing, "TargetButton")->text(), "Plan for &target");
  EXPECT_TRUE(windows->main.isWindowModified());
  EXPECT_TRUE(windows->main.resultsShown());

  // An input changed in the main window leaves the exact requirement behind.
  ui.answer(true);
  click("ExitButton");
  ShowActive(windows->main);
  auto* target = Control<QLineEdit>(windows->main, "ServiceTargetEdit");
  target->setFocus(Qt::MouseFocusReason);
  target->selectAll();
  QTest::keyClicks(target, "85");
  QTest::keyClick(target, Qt::Key_Tab);
  click(windows->main, "SetTimes");
  EXPECT_EQ(series("Exact").count(), 0);
}

// Callers who hang up free the servers sooner: with a patience typed in the
// main window, the steady-state requirement is Erlang A's, lower over the day.
TEST_F(PlanForTargetTest, WithPatienceTheRequirementIsErlangA) {
  const std::vector<double> erlangC = Steps(series("Erlang C"));
  ui.answer(true);  // satisfied with the schedule
  click("ExitButton");
  ShowActive(windows->main);
  auto* patience = Control<QLineEdit>(windows->main, "PatienceEdit");
  QTest::mouseClick(patience, Qt::LeftButton);
  QTest::keyClick(patience, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(patience, "120");
  QTest::keyClick(patience, Qt::Key_Tab);
  click(windows->main, "SetTimes");
  EXPECT_EQ(chart().seriesNamed("Erlang C"), nullptr);
  const std::vector<double> erlangA = Steps(series("Erlang A requirement"));
  ASSERT_EQ(erlangA.size(), 96u);
  EXPECT_LT(std::accumulate(erlangA.begin(), erlangA.end(), 0.0),
            std::accumulate(erlangC.begin(), erlangC.end(), 0.0));
}

// Stop, or a target no plan can meet, ends the search with nothing changed;
// meanwhile only Stop answers, and the main window's menu waits too.
TEST_F(PlanForTargetTest, StopOrARefusalLeavesThePlanAsItWas) {
  const PlanStarts before = app.model.staffing.StartTimes;
  int waits = 0;
  bool locked = true;
  ui.duringIdle = [&] {
    locked = locked && !Control<QTabWidget>(windows->staffing, "Notebook")->isEnabled() &&
             !Control<QPushButton>(windows->staffing, "ExitButton")->isEnabled() &&
             !Control<QMenuBar>(windows->main, "MainMenu")->isEnabled();
    if (++waits == 1) click("TargetButton");
  };
  click("TargetButton");
  EXPECT_GT(waits, 0);
  EXPECT_TRUE(locked);
  EXPECT_EQ(app.model.staffing.StartTimes, before);
  EXPECT_FALSE(windows->main.isWindowModified());
  EXPECT_TRUE(Control<QPushButton>(windows->staffing, "ExitButton")->isEnabled());

  ui.duringIdle = nullptr;
  ui.allowMessages();
  app.model.inputs.ServiceRate = 0.1;  // the peak of 70 calls an hour would need 700 servers
  click("TargetButton");
  ASSERT_EQ(ui.kinds, std::vector<MessageKind>{MessageKind::Error});
  EXPECT_EQ(app.model.staffing.StartTimes, before);
  EXPECT_EQ(series("Exact").count(), 0);
}

}  // namespace
}  // namespace morvane::testing
