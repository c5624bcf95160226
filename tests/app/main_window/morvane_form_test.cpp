// The main window driven as a planner would: typing into boxes and leaving
// them, pressing the buttons, choosing what to plot; messages are answered by
// the scripted user interface.
#include "main_window/morvane_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSet>
#include <QTest>
#include <QtCharts/QAreaSeries>
#include <memory>

#include "program/morvane_windows.h"
#include "shared/chart_panel.h"
#include "shared/file_choice_dialog.h"
#include "shared/qt_user_interface.h"
#include "shared/radio_group.h"
#include "base/number_format.h"
#include "support/chart_axes.h"
#include "support/scripted_user_interface.h"
#include "support/window_driving.h"

namespace {

const std::string kConversionWarning =
    "Specified value did not convert correctly... Warning\rDefault value used and shown";

// The scripted interface that also notes the title each message box would have.
struct TitledUserInterface : morvane::testing::ScriptedUserInterface {
  void message(morvane::MessageKind kind, const std::string& text) override {
    titles << MessageTitle::current();
    ScriptedUserInterface::message(kind, text);
  }
  QStringList titles;
};

class MorvaneFormTest : public ::testing::Test {
 protected:
  MorvaneFormTest() {
    app.ui = &ui;
    windows = std::make_unique<MorvaneWindows>(app, 0);
    form = &windows->main;
    timeChecks = &windows->staffing;
    about = &windows->about;
    ga = &windows->ga;
    showMain();
  }

  void showMain() {
    form->show();
    QApplication::setActiveWindow(form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
  }

  template <typename Widget>
  Widget* child(const char* name) const {
    auto* widget = form->findChild<Widget*>(QString::fromUtf8(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString text(const char* name) const { return child<QLineEdit>(name)->text(); }
  QString caption(const char* label) const { return child<QLabel>(label)->text(); }
  bool enabled(const char* button) const { return child<QPushButton>(button)->isEnabled(); }

  // Types into a box, then leaves it with Tab.
  void enter(const char* box, const QString& typed) {
    auto* edit = child<QLineEdit>(box);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    if (typed.isEmpty())
      QTest::keyClick(edit, Qt::Key_Delete);
    else
      QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Tab);
  }
  // Clicks into a box and types over its text, without leaving it.
  void typeInto(const char* box, const QString& typed) {
    auto* edit = child<QLineEdit>(box);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, typed);
  }
  // Alt and the key; the button pressed by its accelerator clicks a moment later.
  void accelerator(Qt::Key key) {
    QTest::keyClick(form, key, Qt::AltModifier);
    QTest::qWait(200);
  }
  void click(const char* button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
  void choose(const char* group, int item) {
    QAbstractButton* radio = child<RadioGroup>(group)->item(item);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
  }
  QLineSeries* series(const char* chart, const QString& title) const {
    QLineSeries* found = child<ChartPanel>(chart)->seriesNamed(title);
    EXPECT_NE(found, nullptr) << title.toStdString();
    return found;
  }
  QLineSeries* curve(int k) const { return child<ChartPanel>("Chart1")->series()[k]; }
  void expectMessages(const std::vector<std::string>& expected) {
    EXPECT_EQ(ui.messages, expected);
    ui.messages.clear();
  }
  void computeBoth() {
    click("MMCProbButton");
    click("ComputeTransientProbsButton");
  }

  TitledUserInterface ui;
  MorvaneApp app;
  std::unique_ptr<MorvaneWindows> windows;
  TMorvaneForm* form;
  TTimeChecksForm* timeChecks;
  TAboutForm* about;
  TGAForm* ga;
};

TEST_F(MorvaneFormTest, StartsWithTheDefaultsAndBaseStaffing) {
  EXPECT_TRUE(form->windowTitle().startsWith("Untitled[*] - Morvane (1.0.0.1   ")) << form->windowTitle().toStdString();
  EXPECT_TRUE(form->windowTitle().endsWith(")"));
  EXPECT_EQ(text("MeanDemandEdit"), "10.00");
  EXPECT_EQ(text("AmplitudeEdit"), "4.50");
  EXPECT_EQ(text("CyclesEdit"), "1");
  EXPECT_EQ(text("MaxPercentChangeEdit"), "0.10");
  EXPECT_EQ(text("FullTimeCostEdit"), "125.00");
  EXPECT_EQ(text("LeftAxisMaxEdit"), "-1");
  EXPECT_EQ(caption("ServerCountUsedLabel"), "Using Base Server Value Above");
  EXPECT_EQ(child<QLabel>("ServerCountUsedLabel")->palette().color(QPalette::Window), Qt::white);
  EXPECT_FALSE(enabled("ComputeTransientProbsButton"));
  EXPECT_TRUE(child<QPushButton>("GAButton")->isHidden());
  EXPECT_TRUE(child<QPushButton>("ImproveCurrentSolnButton")->isHidden());
  EXPECT_TRUE(child<QLineEdit>("RightAxisMaxEdit")->isHidden() ||
              !child<QLineEdit>("RightAxisMaxEdit")->isVisibleTo(form));
  EXPECT_FALSE(child<QLineEdit>("RightAxisMaxEdit")->isEnabled());
  EXPECT_EQ(app.model.staffing.LaborCost, 18 * 125);
  EXPECT_EQ(child<QPushButton>("SetTimes")->text(), "&Set Times");
  EXPECT_EQ(child<QLineEdit>("ServersEdit")->toolTip(),
            "Input the base number of servers; USED only if specific shifts have not been set");
}

// ---- Entry checking ------------------------------------------------------

TEST_F(MorvaneFormTest, IntegerBoxesWarnAboutTextThatDoesNotConvertCleanly) {
  ui.allowMessages();
  enter("CyclesEdit", "05");
  expectMessages({kConversionWarning});
  EXPECT_EQ(text("CyclesEdit"), "5");
  EXPECT_EQ(app.model.inputs.CyclesPerDay, 5);

  enter("CyclesEdit", "abc");
  expectMessages({kConversionWarning});
  EXPECT_EQ(text("CyclesEdit"), "5");
  EXPECT_EQ(app.model.inputs.CyclesPerDay, 5);

  enter("CyclesEdit", "13");
  expectMessages({"Invalid Parameter Value.  Must have 1 <= X <= 12"});
  EXPECT_EQ(text("CyclesEdit"), "5");
  EXPECT_EQ(app.model.inputs.CyclesPerDay, 5);
}

// The value kept comes back in the box's format; the message is titled with its caption.
TEST_F(MorvaneFormTest, RealBoxesRefuseTextAndValuesOutOfRange) {
  ui.allowMessages();
  enter("MeanDemandEdit", "abc");
  expectMessages({"Conversion Error"});
  EXPECT_EQ(text("MeanDemandEdit"), "10.00");

  enter("MeanDemandEdit", "0.5");
  expectMessages({"Invalid Parameter Value.  Must have 1.00 <= X <= 100.00"});
  EXPECT_EQ(app.model.inputs.MeanDemand, 10);

  enter("AmplitudeEdit", "12");  // bounded by the mean demand
  expectMessages({"Invalid Parameter Value.  Must have 0.00 <= X <= 10.00"});
  EXPECT_EQ(text("AmplitudeEdit"), "4.50");
  EXPECT_EQ(ui.titles, QStringList({"Mean Demand (per hour)", "Mean Demand (per hour)",
                                    "Demand Amplitude (Peak-mean)"}));
  enter("AmplitudeEdit", "10");
  expectMessages({});
  EXPECT_EQ(app.model.inputs.DemandAmplitude, 10);

  enter("PartTimeCostEdit", "125.01");  // bounded by the full-time cost
  expectMessages({"Invalid Parameter Value.  Must have 0.00 <= X <= 125.00"});
}

TEST_F(MorvaneFormTest, NothingIsCheckedWhileTypingAndAnEmptyBoxChangesNothing) {
  click("MMCProbButton");
  auto* edit = child<QLineEdit>("CyclesEdit");
  edit->setFocus(Qt::MouseFocusReason);
  edit->selectAll();
  QTest::keyClicks(edit, "13");  // not left yet: no message (the fake would fail the test)
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_EQ(text("CyclesEdit"), "");
  EXPECT_EQ(app.model.inputs.CyclesPerDay, 1);
  EXPECT_TRUE(enabled("ComputeTransientProbsButton"));
}

// ---- Invalidation --------------------------------------------------------

TEST_F(MorvaneFormTest, LeavingAModelInputEmptiesTheResultsOnlyWhenItChanged) {
  computeBoth();
  ASSERT_FALSE(child<QLabel>("TotalCostLabel")->isHidden());
  enter("MeanDemandEdit", "10");  // the value in force, typed again
  EXPECT_TRUE(enabled("ComputeTransientProbsButton"));
  EXPECT_FALSE(child<QLabel>("TotalCostLabel")->isHidden());
  enter("MeanDemandEdit", "10.5");
  EXPECT_FALSE(enabled("ComputeTransientProbsButton"));
  EXPECT_TRUE(child<QLabel>("TotalCostLabel")->isHidden());
  EXPECT_TRUE(child<QLabel>("MaxP200Label")->isHidden());
  for (const char* chart : {"OutputChart", "OutputChart2", "Chart1"})
    for (QLineSeries* line : child<ChartPanel>(chart)->series()) EXPECT_EQ(line->count(), 0);

  click("MMCProbButton");
  EXPECT_TRUE(enabled("ComputeTransientProbsButton"));
  child<QCheckBox>("BlockCheckBox")->click();
  EXPECT_TRUE(app.model.inputs.BlockDemand);
  EXPECT_FALSE(enabled("ComputeTransientProbsButton"));
}

TEST_F(MorvaneFormTest, CostBoxesOnlyRefreshTheCostLabels) {
  computeBoth();
  enter("DelayCostEdit", "24");
  enter("FullTimeCostEdit", "100");
  EXPECT_TRUE(enabled("ComputeTransientProbsButton"));
  EXPECT_FALSE(child<QLabel>("TotalCostLabel")->isHidden());
  const auto& fixed = morvane::kFixedLocale;
  EXPECT_EQ(caption("TotalPersonHoursCostLabel").toStdString(),
            "Total Person Cost = " +
                morvane::CurrencyText(app.model.steps.TotalPersonHours * 24, 15, 2, fixed));
  EXPECT_EQ(caption("TotalLaborCostLabel"), "Total Labor Cost = $1,800.00     Full/Part time = 18/0");
  EXPECT_EQ(app.model.staffing.LaborCost, 1800);
}

// ---- Leaving a box ---------------------------------------------------------

// A run hands the focus back to the button that started it, so no box is left
// by the next click, even after the window was activated again (which puts the
// focus into the first box when no control holds it).
TEST_F(MorvaneFormTest, ClickingBothComputationsShowsTheResultsAndBothCurves) {
  click("MMCProbButton");
  EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("MMCProbButton"));
  morvane::testing::ShowActive(*about);
  about->hide();
  showMain();
  click("ComputeTransientProbsButton");
  EXPECT_FALSE(child<QLabel>("TotalCostLabel")->isHidden());
  EXPECT_EQ(series("OutputChart", "SS Number")->count(), 1441);
  EXPECT_EQ(series("OutputChart", "Time Dep. Number")->count(), app.model.steps.NumSteps + 1);
}

// An accelerator leaves the box as a click does: the value typed is taken, with
// its invalidation, before the command; a stale steady state is never used.
TEST_F(MorvaneFormTest, AnAcceleratorTakesTheTypedValueBeforeItsCommand) {
  click("MMCProbButton");
  typeInto("MeanDemandEdit", "12");
  accelerator(Qt::Key_O);
  EXPECT_EQ(app.model.inputs.MeanDemand, 12);
  EXPECT_FALSE(enabled("ComputeTransientProbsButton"));
  EXPECT_EQ(series("OutputChart", "Time Dep. Number")->count(), 0);

  typeInto("MeanDemandEdit", "14");
  accelerator(Qt::Key_C);
  EXPECT_EQ(series("OutputChart", "Arrivals")->at(0).y(), 14);
  accelerator(Qt::Key_O);
  EXPECT_FALSE(child<QLabel>("TotalCostLabel")->isHidden());
  EXPECT_EQ(series("OutputChart", "Arrivals")->count(), 1441);
  EXPECT_GT(series("OutputChart", "SS Number")->count(), 0);  // broken where overloaded
}

// The window locked for a computation is not the planner leaving the box.
TEST_F(MorvaneFormTest, ABoxDisabledUnderTheFocusIsNotLeft) {
  click("MMCProbButton");
  typeInto("MeanDemandEdit", "12");
  child<QWidget>("MeanDemandEdit")->parentWidget()->setEnabled(false);
  EXPECT_EQ(app.model.inputs.MeanDemand, 10);
  EXPECT_TRUE(enabled("ComputeTransientProbsButton"));
}

// The end of a run leaves the time-dependent button as its rule says.
TEST_F(MorvaneFormTest, ARefusedSteadyStateLeavesTheTimeDependentButtonDisabled) {
  ui.allowMessages();
  enter("ServiceRateEdit", "0.01");
  click("MMCProbButton");  // the peak needs more than the model's states
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_FALSE(enabled("ComputeTransientProbsButton"));
}

// ---- Staffing --------------------------------------------------------------

TEST_F(MorvaneFormTest, ThirtyFiveBaseServersAreOnDutyAllDay) {
  enter("ServersEdit", "35");
  const auto& staff = app.model.staffing;
  for (int m = 0; m <= 1440; ++m) ASSERT_EQ(staff.ServersOnDuty[m], 35) << m;
  EXPECT_EQ(staff.MaxServersOnDuty, 35);
  EXPECT_EQ(staff.FullTimeCount, 105);
  EXPECT_EQ(staff.PartTimeCount, 0);
  EXPECT_EQ(staff.LaborCost, 105 * 125);
}

TEST_F(MorvaneFormTest, ResetAfterAPlanKeepsThePlanInForce) {
  enter("MeanDemandEdit", "20");
  click("SetTimes");
  EXPECT_TRUE(form->isHidden());
  EXPECT_FALSE(timeChecks->isHidden());
  EXPECT_FALSE(app.model.flags.UseBaseServers);
  EXPECT_EQ(caption("ServerCountUsedLabel"), "Using Servers Set By Shift Forms");
  EXPECT_EQ(child<QLabel>("ServerCountUsedLabel")->palette().color(QPalette::Window), Qt::yellow);
  app.model.staffing.ServersOnDuty.fill(8);  // the plan the staffing window installed
  timeChecks->hide();
  showMain();
  EXPECT_FALSE(child<QPushButton>("GAButton")->isHidden());  // a plan is in force: the GA is offered

  click("ResetDefaultButton");
  EXPECT_EQ(text("MeanDemandEdit"), "10.00");
  EXPECT_EQ(text("ServersEdit"), "6");
  EXPECT_EQ(app.model.inputs.MeanDemand, 10);
  EXPECT_EQ(app.model.staffing.ServersOnDuty[700], 8);
  EXPECT_EQ(caption("ServerCountUsedLabel"), "Using Servers Set By Shift Forms");

  enter("ServersEdit", "6");  // the same value: the plan stays in force
  EXPECT_EQ(app.model.staffing.ServersOnDuty[700], 8);
  EXPECT_EQ(caption("ServerCountUsedLabel"), "Using Servers Set By Shift Forms");
  enter("ServersEdit", "7");  // another value installs the base staffing
  EXPECT_EQ(app.model.staffing.ServersOnDuty[700], 7);
  EXPECT_TRUE(child<QPushButton>("GAButton")->isHidden());
}

// ---- Computations ----------------------------------------------------------

TEST_F(MorvaneFormTest, BothComputationsFillTheChartsAndTheLabels) {
  click("MMCProbButton");
  EXPECT_EQ(series("OutputChart", "Arrivals")->count(), 1441);
  EXPECT_EQ(series("OutputChart", "SS Number")->count(), 1441);
  EXPECT_EQ(series("OutputChart", "Service Capacity")->count(), 2 * 1441 - 1);  // stairs
  EXPECT_EQ(series("OutputChart2", "SS P(Wait)")->count(), 1441);
  EXPECT_EQ(series("OutputChart", "Time Dep. Number")->count(), 0);
  EXPECT_TRUE(child<QLabel>("TotalCostLabel")->isHidden());

  click("ComputeTransientProbsButton");
  const auto& steps = app.model.steps;
  QLineSeries* number = series("OutputChart", "Time Dep. Number");
  ASSERT_EQ(number->count(), steps.NumSteps + 1);
  EXPECT_EQ(number->at(steps.NumSteps).x(), 1440);
  EXPECT_EQ(caption("TotalLaborCostLabel"), "Total Labor Cost = $2,250.00     Full/Part time = 18/0");
  EXPECT_TRUE(caption("TotalPersonHoursLabel").startsWith("Total Person Hours = "));
  EXPECT_TRUE(caption("TotalCostLabel").startsWith("Total System Cost = $"));
  EXPECT_TRUE(caption("MaxProbWaitLabel").startsWith("Max P(Wait) = 0."));
  EXPECT_TRUE(caption("TimeOverLimitLabel").startsWith("Time P(Wait) > 0.20 = "));
  EXPECT_EQ(caption("MaxP200Label").toStdString(),
            "Max P(" + std::to_string(app.model.inputs.MaxStates) + ") = " +
                morvane::NumberText(steps.MaxTopProb, 12, 10, morvane::kFixedLocale));
  EXPECT_EQ(text("InitMaxStateEdit").toInt(), app.model.inputs.MaxStates);
  EXPECT_EQ(caption("AbandonmentLabel"), "Abandoned = 0.0 % of calls   Worst = 0.0 %");  // nobody hangs up
  EXPECT_EQ(series("OutputChart3", "Time Dep. Abandonment")->count(), 0);
  for (const char* label : {"TimeOverLimitLabel", "MaxProbWaitLabel", "MaxP200Label",
                            "TotalPersonHoursLabel", "TotalPersonHoursCostLabel",
                            "TotalLaborCostLabel", "TotalCostLabel", "AbandonmentLabel"})
    EXPECT_FALSE(child<QLabel>(label)->isHidden()) << label;
}

TEST_F(MorvaneFormTest, TimeDependentPWaitAboveTheCriticalValueIsLime) {
  computeBoth();
  QLineSeries* pWait = series("OutputChart2", "Time Dep. P(Wait)");
  int lime = 0;
  for (int k = 0; k < pWait->count(); ++k) {
    const bool above = pWait->at(k).y() > static_cast<double>(app.model.CriticalPWait);
    const QVariant colour = pWait->pointConfiguration(k).value(QXYSeries::PointConfiguration::Color);
    EXPECT_EQ(colour.isValid(), above) << k;
    if (above) {
      EXPECT_EQ(colour.value<QColor>(), QColor(0, 255, 0));
    }
    lime += above;
  }
  EXPECT_GT(lime, 0);
  EXPECT_LT(lime, pWait->count());
}

TEST_F(MorvaneFormTest, ASecondComputationCannotStartInsideTheFirst) {
  enter("MeanDemandEdit", "14");  // heavy load: the state space widens, and the solver pauses
  enter("AmplitudeEdit", "0");
  click("MMCProbButton");
  int pauses = 0;
  ui.duringPause = [&] {
    ++pauses;
    EXPECT_TRUE(form->computing());
    EXPECT_FALSE(enabled("MMCProbButton"));
    EXPECT_FALSE(child<QLineEdit>("MeanDemandEdit")->isEnabled());
    const auto gaugeMoves = ui.pctDone.size();
    form->ComputeTransientProbsButtonClick();
    form->MMCProbButtonClick();
    EXPECT_EQ(ui.pctDone.size(), gaugeMoves);
  };
  click("ComputeTransientProbsButton");
  ui.duringPause = nullptr;
  EXPECT_GT(pauses, 0);
  EXPECT_FALSE(form->computing());
  EXPECT_TRUE(enabled("MMCProbButton"));
  EXPECT_TRUE(child<QLineEdit>("MeanDemandEdit")->isEnabled());
  EXPECT_FALSE(child<QLabel>("TotalCostLabel")->isHidden());
}

// ---- What to plot ------------------------------------------------------------

TEST_F(MorvaneFormTest, WhatToPlotShowsOneOutputChartAtATime) {
  computeBoth();
  auto* numberChart = child<ChartPanel>("OutputChart");
  auto* pWaitChart = child<ChartPanel>("OutputChart2");
  EXPECT_FALSE(numberChart->isHidden());
  EXPECT_TRUE(pWaitChart->isHidden());

  choose("WhatToPlotGroup", 1);
  EXPECT_TRUE(numberChart->isHidden());
  EXPECT_FALSE(pWaitChart->isHidden());
  EXPECT_EQ(form->visibleOutputChart(), pWaitChart);
  auto* right = static_cast<QValueAxis*>(pWaitChart->chart()->axes(Qt::Vertical)[1]);
  ASSERT_EQ(right->titleText(), "Prob(Wait)");
  EXPECT_EQ(right->min(), 0);
  EXPECT_EQ(right->max(), 1);
  EXPECT_EQ(series("OutputChart2", "Time Dep. P(Wait)")->count(), app.model.steps.NumSteps + 1);

  choose("WhatToPlotGroup", 0);
  EXPECT_FALSE(numberChart->isHidden());
  EXPECT_TRUE(pWaitChart->isHidden());
  auto* numberAxis = static_cast<QValueAxis*>(numberChart->chart()->axes(Qt::Vertical)[1]);
  double largest = 0;
  for (const QPointF& point : series("OutputChart", "SS Number")->points())
    largest = std::max(largest, point.y());
  EXPECT_GE(numberAxis->max(), largest);  // automatic: fitted to the data
  EXPECT_LT(numberAxis->max(), 2 * largest);
}

// Axes over the day with room above the capacity of 6 x 2.5 = 15, a tick, the
// same on every run; the grid lines are the left axis's alone.
TEST_F(MorvaneFormTest, OutputAxesFitTheDataAgainAndAgain) {
  using namespace morvane::testing;
  for (int run = 0; run < 2; ++run) {
    computeBoth();
    for (const char* name : {"OutputChart", "OutputChart2"}) {
      const auto* chart = child<ChartPanel>(name);
      ExpectWholeDay(*chart);
      ExpectRoomAbove(*AxisAt(*chart, Qt::AlignLeft), 15);
      EXPECT_FALSE(AxisAt(*chart, Qt::AlignRight)->isGridLineVisible());
    }
  }
  choose("WhatToPlotGroup", 1);
  EXPECT_EQ(TickLabels(*AxisAt(*child<ChartPanel>("OutputChart2"), Qt::AlignRight)),
            QStringList({"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
}

// The example forecast loaded with the button, its figures shown, the sine's
// boxes off; the service level over the day with its target; back to the sine.
TEST_F(MorvaneFormTest, AForecastDrivesTheDayAndTheServiceLevelIsPlotted) {
  form->findChild<FileChoiceDialog*>("ForecastDialog")->setChooser([](FileChoiceDialog&) {
    return QStringLiteral(MORVANE_EXAMPLES_DIR "/contact_centre_day.csv");
  });
  click("LoadForecastButton");
  EXPECT_EQ(caption("ForecastLabel"), "contact_centre_day.csv: 30 min, peak 70.0/h");
  EXPECT_TRUE(child<QCheckBox>("ForecastCheckBox")->isChecked());
  EXPECT_FALSE(child<QLineEdit>("AmplitudeEdit")->isEnabled());
  EXPECT_FALSE(child<QCheckBox>("BlockCheckBox")->isEnabled());
  EXPECT_EQ(text("MeanDemandEdit"), "28.12");  // 28.125 to even
  enter("ServersEdit", "30");
  enter("TimeStepEdit", "10");
  enter("ServiceSecondsEdit", "30");
  enter("ServiceTargetEdit", "90");
  computeBoth();
  EXPECT_EQ(series("OutputChart", "Arrivals")->points()[600].y(), 70);
  EXPECT_TRUE(caption("ServiceLevelLabel").startsWith("Service Level (30 s) = "));
  EXPECT_TRUE(caption("TimeBelowTargetLabel").startsWith("Time SL < 90.0 % = "));

  choose("WhatToPlotGroup", 2);
  auto* serviceChart = child<ChartPanel>("OutputChart3");
  EXPECT_FALSE(serviceChart->isHidden());
  EXPECT_TRUE(child<ChartPanel>("OutputChart")->isHidden());
  EXPECT_EQ(form->visibleOutputChart(), serviceChart);
  EXPECT_EQ(series("OutputChart3", "Time Dep. Service Level")->count(),
            app.model.steps.NumSteps + 1);
  EXPECT_EQ(series("OutputChart3", "SS Service Level")->count(), 1441);
  EXPECT_EQ(series("OutputChart3", "Target")->points(),
            (QList<QPointF>{{0, 0.9}, {1440, 0.9}}));

  auto* forecast = child<QCheckBox>("ForecastCheckBox");
  QTest::mouseClick(forecast, Qt::LeftButton, {}, QPoint(6, forecast->height() / 2));
  EXPECT_FALSE(app.model.inputs.Forecast);
  EXPECT_TRUE(child<QLineEdit>("AmplitudeEdit")->isEnabled());
  EXPECT_EQ(text("MeanDemandEdit"), "10.00");
  EXPECT_TRUE(child<QLabel>("ServiceLevelLabel")->isHidden());
}

TEST_F(MorvaneFormTest, ABadForecastFileIsToldAndChangesNothing) {
  ui.allowMessages();
  form->findChild<FileChoiceDialog*>("ForecastDialog")->setChooser([](FileChoiceDialog&) {
    return QStringLiteral(MORVANE_EXAMPLES_DIR "/../README.md");
  });
  click("LoadForecastButton");
  expectMessages({"File <README.md>, line 1, column \"start\": the header has no \"start\" "
                  "column.\rThe demand in force is kept."});
  EXPECT_FALSE(app.model.inputs.Forecast);
  EXPECT_FALSE(child<QCheckBox>("ForecastCheckBox")->isEnabled());
  EXPECT_TRUE(child<QLineEdit>("AmplitudeEdit")->isEnabled());
  EXPECT_EQ(caption("ForecastLabel"), "");
}

TEST_F(MorvaneFormTest, LegendCheckBoxesHideAndShowTheirSeries) {
  click("MMCProbButton");
  QLineSeries* arrivals = series("OutputChart", "Arrivals");
  QCheckBox* box = child<ChartPanel>("OutputChart")->legendBox(arrivals);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), "Arrivals");
  box->click();
  EXPECT_FALSE(arrivals->isVisible());
  box->click();
  EXPECT_TRUE(arrivals->isVisible());
}

// ---- Probability plots -------------------------------------------------------

TEST_F(MorvaneFormTest, AHalfStepRoundsToTheEvenStep) {
  enter("TimeStepEdit", "120");
  computeBoth();
  ASSERT_EQ(app.model.inputs.TimeStepSeconds, 120);
  enter("TimeToPlotEdit", "1");
  choose("FirstPlotRadio", 2);
  QLineSeries* first = curve(0);
  EXPECT_EQ(first->name(), "TD T=1");
  EXPECT_EQ(child<QCheckBox>("Chart1Legend1")->text(), "TD T=1");
  const morvane::ProbVector& step0 = app.model.steps.TimeDepVectors[0];
  ASSERT_GT(first->count(), 10);
  for (int n = 0; n <= 5; ++n) {
    EXPECT_EQ(first->at(2 * n).x(), n);  // stairs: the value points are the even ones
    EXPECT_EQ(first->at(2 * n).y(), static_cast<double>(step0[n])) << n;
  }
}

TEST_F(MorvaneFormTest, CurvesDrawTenTimesTheMostServersOnDuty) {
  click("MMCProbButton");
  choose("FirstPlotRadio", 1);
  EXPECT_EQ(text("TimeToPlotEdit"), "0");
  EXPECT_EQ(curve(0)->name(), "SS T=0");
  EXPECT_EQ(curve(0)->count(), 2 * 61 - 1);  // states 0..60
  EXPECT_EQ(curve(0)->points().back().x(), 60);

  enter("ServersEdit", "35");
  click("MMCProbButton");
  choose("SecondPlotRadio", 1);
  EXPECT_EQ(curve(1)->points().back().x(), 350);
  EXPECT_EQ(curve(0)->points().back().x(), 350);  // every curve is redrawn
}

TEST_F(MorvaneFormTest, PlotTimesAreCheckedAndOutOfDayCurvesStayEmpty) {
  click("MMCProbButton");
  enter("TimeToPlot2Edit", "600");
  choose("SecondPlotRadio", 1);
  ui.allowMessages();
  enter("TimeToPlot2Edit", "1441");
  expectMessages({"Invalid Parameter Value.  Must have -1 <= X <= 1440"});
  EXPECT_EQ(text("TimeToPlot2Edit"), "600");
  EXPECT_EQ(curve(1)->name(), "SS T=600");

  enter("TimeToPlot3Edit", "-1");
  choose("ThirdPlotRadio", 2);
  EXPECT_EQ(curve(2)->name(), "TD T=-1");
  EXPECT_EQ(curve(2)->count(), 0);
  choose("ThirdPlotRadio", 1);
  EXPECT_EQ(curve(2)->name(), "Prob3");
  EXPECT_EQ(curve(2)->count(), 0);
}

TEST_F(MorvaneFormTest, TimeDependentCurvesWaitForATimeDependentRun) {
  click("MMCProbButton");
  choose("FourthPlotRadio", 2);
  EXPECT_EQ(curve(3)->name(), "TD T=0");
  EXPECT_EQ(curve(3)->count(), 0);
}

// ---- Windows -------------------------------------------------------------------

TEST_F(MorvaneFormTest, QuitAnsweredNoLeavesEverythingAsItWas) {
  click("MMCProbButton");
  ui.answer(false);
  click("Quit");
  EXPECT_EQ(ui.questions, std::vector<std::string>{"Are you sure you want to quit the Morvane?"});
  EXPECT_FALSE(form->isHidden());
  EXPECT_TRUE(enabled("ComputeTransientProbsButton"));
  EXPECT_EQ(series("OutputChart", "Arrivals")->count(), 1441);
}

TEST_F(MorvaneFormTest, QuitAnsweredYesSaysGoodbyeAndCloses) {
  QApplication::setQuitOnLastWindowClosed(false);
  ui.allowMessages();
  ui.answer(true);
  click("Quit");
  expectMessages({"Thanks for using the Morvane.\r\rGoodbye."});
  EXPECT_TRUE(form->isHidden());
}

// With the main window hidden, closing the last window would end the program.
TEST_F(MorvaneFormTest, TheTitleBarClosesTheStaffingWindowAndTheAboutBoxAsTheirButtons) {
  QApplication::setQuitOnLastWindowClosed(false);
  click("SetTimes");
  ui.answer(true);
  morvane::testing::CloseFromTitleBar(*timeChecks);
  EXPECT_EQ(ui.questions, std::vector<std::string>{"Are you satisfied with the current schedule?"});
  EXPECT_TRUE(timeChecks->isHidden());
  EXPECT_FALSE(form->isHidden());
  click("AboutButton");
  morvane::testing::CloseFromTitleBar(*about);
  EXPECT_TRUE(about->isHidden());
  EXPECT_FALSE(form->isHidden());
}

TEST_F(MorvaneFormTest, AboutBoxAndBackAgain) {
  click("AboutButton");
  EXPECT_TRUE(form->isHidden());
  ASSERT_FALSE(about->isHidden());
  auto* version = about->findChild<QLabel*>("Version");
  EXPECT_EQ(version->text(), "Version " + about->versionText());
  EXPECT_TRUE(form->windowTitle().contains(about->versionText().section("   ", 0, 0)));
  QTest::mouseClick(about->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  EXPECT_TRUE(about->isHidden());
  EXPECT_FALSE(form->isHidden());
}

// ---- What the window shows can be trusted -------------------------------------

// The example's plan in force and computed; Tab through every control of the
// window without typing: the results, the title and the plan stay.
TEST_F(MorvaneFormTest, TabbingThroughEveryBoxChangesNothing) {
  child<FileChoiceDialog>("OpenScenarioDialog")->setChooser([](FileChoiceDialog&) {
    return QStringLiteral(MORVANE_EXAMPLES_DIR "/contact_centre_day.morvane");
  });
  QTest::keyClick(form, Qt::Key_O, Qt::ControlModifier);
  ASSERT_FALSE(app.model.flags.UseBaseServers);
  computeBoth();
  const QString title = form->windowTitle();
  const auto onDuty = app.model.staffing.ServersOnDuty;
  child<QLineEdit>("ServersEdit")->setFocus(Qt::MouseFocusReason);
  QSet<QWidget*> visited;
  while (!visited.contains(QApplication::focusWidget())) {
    visited << QApplication::focusWidget();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_GT(visited.size(), 15);
  EXPECT_EQ(form->windowTitle(), title);
  EXPECT_FALSE(form->isWindowModified());
  EXPECT_EQ(caption("ServerCountUsedLabel"), "Using Servers Set By Shift Forms");
  EXPECT_EQ(app.model.staffing.ServersOnDuty, onDuty);
  EXPECT_TRUE(enabled("ComputeTransientProbsButton"));
  EXPECT_FALSE(child<QLabel>("TotalCostLabel")->isHidden());
  EXPECT_EQ(series("OutputChart", "Time Dep. Number")->count(), app.model.steps.NumSteps + 1);
}

// The window fits a 1366 x 768 screen and keeps its size, whatever it plots
// (the test screen is narrower than the window's least width).
TEST_F(MorvaneFormTest, TheWindowKeepsItsSizeWithinALaptopScreen) {
  computeBoth();
  const QSize size = form->size();
  EXPECT_TRUE(form->minimumSizeHint().width() <= 1366 - 8 && form->minimumSizeHint().height() <= 768 - 32);
  for (int chart : {1, 0, 2, 1, 0}) {
    choose("WhatToPlotGroup", chart);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), size) << chart;
    EXPECT_TRUE(form->width() <= 1366 && form->height() <= 768 - 32) << chart;
  }
  EXPECT_FALSE(child<QPushButton>("Quit")->visibleRegion().isEmpty());
}

// Full after their computations, empty for a new scenario.
TEST_F(MorvaneFormTest, TheGaugesShowTheEndOfTheirComputations) {
  click("MMCProbButton");
  EXPECT_EQ(child<QProgressBar>("PctDone")->value(), 100);
  click("ComputeTransientProbsButton");
  EXPECT_EQ(child<QProgressBar>("IterationGauge")->value(), 100);
  QTest::keyClick(form, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(child<QProgressBar>("PctDone")->value(), 0);
  EXPECT_EQ(child<QProgressBar>("IterationGauge")->value(), 0);
}

// The curves of results emptied are never drawn again; the axes fit the curves.
TEST_F(MorvaneFormTest, StateProbabilitiesFollowTheResultsShown) {
  computeBoth();
  choose("FirstPlotRadio", 2);
  const auto* chart = child<ChartPanel>("Chart1");
  const QValueAxis* states = morvane::testing::AxisAt(*chart, Qt::AlignBottom);
  EXPECT_LT(states->max(), 40);  // the curve runs to 60 states: ten per server
  EXPECT_GT(states->max(), 10);
  EXPECT_LT(morvane::testing::AxisAt(*chart, Qt::AlignLeft)->max(), 0.5);

  enter("MeanDemandEdit", "11");
  EXPECT_EQ(curve(0)->count(), 0);
  choose("SecondPlotRadio", 1);
  enter("TimeToPlotEdit", "600");
  for (int k = 0; k < 4; ++k) EXPECT_EQ(curve(k)->count(), 0) << k;
  click("MMCProbButton");
  choose("SecondPlotRadio", 1);
  EXPECT_GT(curve(1)->count(), 0);
  EXPECT_EQ(curve(0)->count(), 0);  // time-dependent: waits for its run
}

// Five servers cannot serve the peak: those minutes are shaded and counted,
// the steady-state curves break there, and P(all busy) is drawn.
TEST_F(MorvaneFormTest, OverloadedMinutesAreShadedAndCounted) {
  enter("ServersEdit", "5");
  computeBoth();
  const auto* chart = child<ChartPanel>("OutputChart");
  const QAreaSeries* area = nullptr;
  for (QAbstractSeries* drawn : chart->chart()->series())
    if (auto* shading = qobject_cast<QAreaSeries*>(drawn)) area = shading;
  ASSERT_NE(area, nullptr);
  EXPECT_GT(area->upperSeries()->count(), 0);
  EXPECT_LT(series("OutputChart", "SS Number")->count(), 1441);
  EXPECT_TRUE(caption("OverloadedMinutesLabel").startsWith("Overloaded minutes = "));
  EXPECT_NE(caption("OverloadedMinutesLabel"), "Overloaded minutes = 0");
  EXPECT_FALSE(child<QLabel>("MaxPAllBusyLabel")->isHidden());
  EXPECT_TRUE(child<QLabel>("TruncationLabel")->isHidden());
  EXPECT_EQ(series("OutputChart2", "Time Dep. P(all busy)")->count(), app.model.steps.NumSteps + 1);
  enter("ServersEdit", "6");
  EXPECT_EQ(area->upperSeries()->count(), 0);
}

// With patience callers hang up: the peak five servers cannot serve is still
// shaded, but it has a steady state, so the steady curves run through it; the
// share who hang up is labelled, and plotted in the service-level view only
// while callers hang up.
TEST_F(MorvaneFormTest, CallersWhoHangUpAreCountedAndPlottedAndKeepTheSteadyCurvesWhole) {
  enter("ServersEdit", "5");
  enter("PatienceEdit", "120");
  computeBoth();
  EXPECT_EQ(series("OutputChart", "SS Number")->count(), 1441);
  const QString abandoned = caption("AbandonmentLabel");
  EXPECT_TRUE(abandoned.startsWith("Abandoned = ") && !abandoned.startsWith("Abandoned = 0.0 %"))
      << abandoned.toStdString();

  choose("WhatToPlotGroup", 2);
  const auto* chart = child<ChartPanel>("OutputChart3");
  QLineSeries* steady = series("OutputChart3", "SS Abandonment");
  QLineSeries* timeDependent = series("OutputChart3", "Time Dep. Abandonment");
  EXPECT_EQ(steady->count(), 1441);
  ASSERT_EQ(timeDependent->count(), app.model.steps.NumSteps + 1);
  double worst = 0;
  for (const QPointF& point : timeDependent->points()) worst = std::max(worst, point.y());
  EXPECT_TRUE(worst > 0 && worst < 1) << worst;
  for (QLineSeries* curve : {steady, timeDependent}) EXPECT_TRUE(chart->legendBox(curve)->isVisible());
  const auto* axis = static_cast<QValueAxis*>(chart->chart()->axes(Qt::Vertical)[0]);
  EXPECT_EQ(axis->titleText(), "Share of Callers");
  // Their legend entries leave the window's content as narrow as a laptop's screen.
  EXPECT_LE(child<QScrollArea>("MainScrollArea")->widget()->minimumSizeHint().width(), 1366 - 8 - 12);

  enter("PatienceEdit", "0");
  EXPECT_EQ(timeDependent->count(), 0);
  EXPECT_TRUE(child<QLabel>("AbandonmentLabel")->isHidden());
  click("MMCProbButton");
  EXPECT_EQ(steady->count(), 0);
  EXPECT_LT(series("OutputChart", "SS Number")->count(), 1441);  // broken at the overload again
  for (QLineSeries* curve : {steady, timeDependent}) EXPECT_FALSE(chart->legendBox(curve)->isVisible());
  EXPECT_EQ(axis->titleText(), "Service Level");
}

TEST_F(MorvaneFormTest, ResetForgetsTheForecastItTurnsOff) {
  child<FileChoiceDialog>("ForecastDialog")->setChooser([](FileChoiceDialog&) {
    return QStringLiteral(MORVANE_EXAMPLES_DIR "/contact_centre_day.csv");
  });
  click("LoadForecastButton");
  click("ResetDefaultButton");
  EXPECT_EQ(caption("ForecastLabel"), "");
  EXPECT_FALSE(child<QCheckBox>("ForecastCheckBox")->isEnabled());
}

}  // namespace
