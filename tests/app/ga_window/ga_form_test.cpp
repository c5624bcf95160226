// The GA window driven as a planner would: its settings and their rules, runs
// with the stop button and with settings changed on the way, the history file,
// and the main window's improvement of the current plan.
#include "ga_window/ga_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtCharts/QScatterSeries>
#include <algorithm>
#include <utility>

#include "shared/chart_panel.h"
#include "shared/file_choice_dialog.h"
#include "ga_window/ga_charts_panel.h"
#include "staffing_window/start_times_grid.h"
#include "optimiser/current_plan_improvement.h"
#include "staffing/schedule_plan.h"
#include "app/ga_window/ga_windows.h"
#include "support/chart_axes.h"

namespace morvane::testing {
namespace {

class GAFormTest : public GAWindows {
 protected:
  std::vector<QString> settingTexts() const {
    std::vector<QString> texts;
    for (const char* box : {"MaxCostEdit", "RandSeedEdit", "InitPopEdit", "MaxGenEdit", "MaxGenNoChangeEdit",
                            "Number2ImportEdit", "CarryOverEdit", "BiasEdit", "CriticalPwaitEdit"})
      texts.push_back(text(box));
    return texts;
  }

  // A plan of the quick scenario in the staffing grid, computed from the main
  // window's buttons: full-timers at 0:00, 8:00 and 16:00 and two part-timers whose
  // shifts one full-timer could cover. The computations may warn about the peak.
  void currentPlan(const std::vector<int>& fullTimers) {
    ui.allowMessages();
    auto& starts = app.model.staffing.StartTimes;
    starts = {};
    for (const int p : {0, 32, 64}) starts[FullTime][p] = fullTimers[p / 32];
    starts[PartTime][10] = 1;
    starts[PartTime][30] = 1;
    staffing->showStartTimes();
    ShowActive(*main);
    click(*main, "MMCProbButton");
    click(*main, "ComputeTransientProbsButton");
    ui.messages.clear();
  }
};

TEST_F(GAFormTest, StartsWithTheSettingsOfProgramStart) {
  EXPECT_EQ(settingTexts(),
            (std::vector<QString>{"0", "139753", "25", "100", "100", "4", "5", "0.900", "0.200"}));
  EXPECT_EQ(gaChild<QLabel>("MaxCostLabel")->text(), "&Maximum Cost");
  EXPECT_EQ(gaChild<QLabel>("CriticalPWailLabel")->text(), "Critical P(wait)");
  EXPECT_EQ(gaChild<QLineEdit>("BiasEdit")->toolTip(), ">1 means no part time; <0 means no full time");
  EXPECT_EQ(gaChild<QComboBox>("StartingInterval")->currentText(), "15 minutes");
  EXPECT_EQ(gaChild<QComboBox>("StartingInterval")->count(), 10);
  EXPECT_EQ(gaChild<RadioGroup>("FirstObjective")->itemIndex(), 0);
  EXPECT_EQ(gaChild<RadioGroup>("SecondObjective")->itemIndex(), 3);
  EXPECT_FALSE(gaChild<QCheckBox>("ImproveBestCheckBox")->isChecked());
  EXPECT_FALSE(enabled("ImproveCarryOverCheckBox"));
  EXPECT_TRUE(gaChild<QCheckBox>("ImproveLastBox")->isChecked());
  EXPECT_TRUE(gaChild<QCheckBox>("AllowPart2FullBox")->isChecked());
  EXPECT_EQ(gaChild<QPushButton>("AbortButton")->text(), "&STOP GA");
  EXPECT_FALSE(enabled("AbortButton"));
  for (const char* hidden : {"HistoryGauge", "ImprovedQuestion", "FullTimeLeft", "ImproveIndex", "FullTImeLabel"})
    EXPECT_FALSE(gaChild<QWidget>(hidden)->isVisible()) << hidden;
  EXPECT_EQ(gaChild<ChartPanel>("GAChart")->chart()->title(), "Approximate Distribution of Current Generation");
  EXPECT_EQ(gaChild<ChartPanel>("ProgressChart")->chart()->title(), "Algorithm Progress");
  QStringList names;
  for (const char* chart : {"GAChart", "ProgressChart"})
    for (QLineSeries* series : gaChild<ChartPanel>(chart)->series()) names << series->name();
  EXPECT_EQ(names, (QStringList{"Carryover", "Import", "Crossover", "Objective Value", "Gen. no change"}));
  EXPECT_EQ(gaChild<ChartPanel>("ProgressChart")->seriesNamed("Gen. no change")->color(), QColor(Qt::darkBlue));
  // The window fits a 1366 x 768 screen: the settings scroll, the charts shrink.
  EXPECT_LE(ga->minimumSizeHint().width(), 1366);
  EXPECT_LE(ga->minimumSizeHint().height(), 700);  // room for the title bar and a panel
  EXPECT_LE(ga->height(), ga->screen()->availableGeometry().height());
}

TEST_F(GAFormTest, BoxesAreCheckedAndTiedTogether) {
  ui.allowMessages();
  // The default scenario: 13 full-timers are the fewest that serve the day, so MinCost = 1625.
  app.model.inputs = ScenarioInputs{};
  enter("MaxCostEdit", "1000");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Invalid Parameter Value.  Must have 1625.00 <= X <= 1625000.00"});
  EXPECT_EQ(text("MaxCostEdit"), "1625");  // raised to MinCost
  enter("MaxCostEdit", "2500.50");
  EXPECT_EQ(ga->settings().MaxCost, 2500.5L);
  EXPECT_EQ(text("MaxCostEdit"), "2500.5");
  enter("InitPopEdit", "5");  // both blocks at most 3
  EXPECT_EQ(text("Number2ImportEdit"), "3");
  EXPECT_EQ(text("CarryOverEdit"), "3");
  enter("MaxGenEdit", "40");
  EXPECT_EQ(text("MaxGenNoChangeEdit"), "40");
  ui.messages.clear();
  enter("MaxGenNoChangeEdit", "41");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Invalid Parameter Value.  Must have 1 <= X <= 40"});
  EXPECT_EQ(text("MaxGenNoChangeEdit"), "40");
  enter("CriticalPwaitEdit", ".25");
  EXPECT_EQ(app.model.CriticalPWait, 0.25L);
  EXPECT_EQ(text("CriticalPwaitEdit"), "0.250");
  gaChild<QComboBox>("StartingInterval")->setCurrentIndex(4);
  EXPECT_EQ(ga->settings().StartInterval, 8);  // "2 hours"
  // One worker per core until the planner says otherwise; Re&Set Def. keeps it.
  EXPECT_EQ(text("ThreadsEdit"), QString::number(WorkerThreads(0)));
  ui.messages.clear();
  enter("ThreadsEdit", "65");
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Invalid Parameter Value.  Must have 1 <= X <= 64"});
  EXPECT_EQ(ga->settings().Threads, 0);
  enter("ThreadsEdit", "3");
  // The planner picks the double engine with the keyboard; Re&Set Def. keeps it too.
  auto* evaluation = gaChild<QComboBox>("EvaluationChoice");
  EXPECT_EQ(evaluation->currentText(), "Extended");
  evaluation->setFocus();
  QTest::keyClick(evaluation, Qt::Key_Down);
  EXPECT_EQ(ga->settings().Evaluation, Precision::Double);
  click("ResetButton");
  EXPECT_EQ(ga->settings().Threads, 3);
  EXPECT_EQ(text("ThreadsEdit"), "3");
  EXPECT_EQ(evaluation->currentText(), "Double (fast)");
  EXPECT_EQ(ga->settings().Evaluation, Precision::Double);
}

TEST_F(GAFormTest, CheckBoxesFollowTheEnablingRules) {
  check("ImproveBestCheckBox");
  EXPECT_TRUE(ga->settings().ImproveBest);
  EXPECT_TRUE(enabled("ImproveCarryOverCheckBox"));
  check("ImproveCarryOverCheckBox");
  EXPECT_TRUE(ga->settings().ImproveCarryOver);
  check("ImproveBestCheckBox");  // off again: carry over unchecked and disabled
  EXPECT_FALSE(ga->settings().ImproveCarryOver);
  EXPECT_FALSE(gaChild<QCheckBox>("ImproveCarryOverCheckBox")->isChecked());
  EXPECT_FALSE(enabled("ImproveCarryOverCheckBox"));
  EXPECT_TRUE(enabled("AllowPart2FullBox"));
  check("ImproveLastBox");  // neither improvement: swapping is not offered
  EXPECT_FALSE(enabled("AllowPart2FullBox"));
  check("ImproveBestCheckBox");
  EXPECT_TRUE(enabled("AllowPart2FullBox"));
  check("AllowPart2FullBox");
  EXPECT_FALSE(ga->settings().AllowSwap);
}

TEST_F(GAFormTest, ResetRestoresTheResetValues) {
  enter("CarryOverEdit", "7");
  enter("RandSeedEdit", "5");
  enter("BiasEdit", "-1");
  check("ImproveBestCheckBox");
  check("AllowPart2FullBox");
  gaChild<QComboBox>("StartingInterval")->setCurrentIndex(9);
  choose("FirstObjective", 2);
  click("ResetButton");
  // 4 x 125 x 2 / 0.5; the carry-over setting and the swap rule stay as they were.
  EXPECT_EQ(settingTexts(),
            (std::vector<QString>{"2000", "139753", "25", "100", "100", "4", "7", "0.900", "0.200"}));
  EXPECT_FALSE(gaChild<QCheckBox>("ImproveBestCheckBox")->isChecked());
  EXPECT_FALSE(gaChild<QCheckBox>("AllowPart2FullBox")->isChecked());
  EXPECT_EQ(gaChild<QComboBox>("StartingInterval")->currentIndex(), 0);
  EXPECT_EQ(ga->settings().StartInterval, 1);
  EXPECT_EQ(gaChild<RadioGroup>("FirstObjective")->itemIndex(), 0);
  EXPECT_EQ(ga->settings().FirstObjectiveIndex, 0);
}

// The second objective offers the four improvement options together, or none,
// whatever their check marks.
TEST_F(GAFormTest, TheSameObjectiveTwiceResetsTheSecondToNone) {
  ui.allowMessages();
  const char* const improvements[] = {"ImproveBestCheckBox", "ImproveCarryOverCheckBox", "ImproveLastBox",
                                      "AllowPart2FullBox"};
  check("ImproveLastBox");  // off: no improvement, so neither carry over nor swapping is offered
  EXPECT_FALSE(enabled("ImproveCarryOverCheckBox") || enabled("AllowPart2FullBox"));
  choose("SecondObjective", 1);
  EXPECT_TRUE(tradeoff->isVisible());
  EXPECT_EQ(ga->settings().SecondObjectiveIndex, 1);
  for (const char* box : improvements) EXPECT_FALSE(enabled(box)) << box;
  EXPECT_TRUE(ui.messages.empty());
  choose("FirstObjective", 1);
  EXPECT_EQ(ui.messages, std::vector<std::string>{kObjectiveClashMessage});
  EXPECT_EQ(gaChild<RadioGroup>("SecondObjective")->itemIndex(), 3);
  EXPECT_EQ(ga->settings().SecondObjectiveIndex, 3);
  for (const char* box : improvements) EXPECT_TRUE(enabled(box)) << box;
  EXPECT_FALSE(gaChild<QCheckBox>("ImproveBestCheckBox")->isChecked() || gaChild<QCheckBox>("ImproveLastBox")->isChecked());
  choose("SecondObjective", 1);
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(gaChild<RadioGroup>("SecondObjective")->itemIndex(), 3);
}

// The service objective keeps its number 4 in both groups, though the first has no "None".
TEST_F(GAFormTest, MinutesBelowTheServiceTargetIsObjectiveFourInBothGroups) {
  ui.allowMessages();
  choose("SecondObjective", 4);
  EXPECT_EQ(ga->settings().SecondObjectiveIndex, kObjectiveService);
  choose("FirstObjective", 3);
  EXPECT_EQ(ga->settings().FirstObjectiveIndex, kObjectiveService);
  EXPECT_EQ(ui.messages, std::vector<std::string>{kObjectiveClashMessage});
  EXPECT_EQ(gaChild<RadioGroup>("SecondObjective")->itemIndex(), kObjectiveNone);
}

// The labour cost with the service target met is objective 5, offered first only.
TEST_F(GAFormTest, MinLabourCostIsAFirstObjectiveOnly) {
  const auto* first = gaChild<RadioGroup>("FirstObjective");
  const auto* second = gaChild<RadioGroup>("SecondObjective");
  EXPECT_EQ(first->item(4)->text(), "Min labour cost, service target met");
  for (int item = 0; item < 6; ++item) EXPECT_NE(second->item(item)->text(), first->item(4)->text()) << item;
  Scenario labour;
  labour.ga.FirstObjectiveIndex = kObjectiveLabour;
  main->putInForce(labour);  // as File > Open does
  EXPECT_EQ(first->itemIndex(), 4);
  choose("FirstObjective", 3);
  EXPECT_EQ(ga->settings().FirstObjectiveIndex, kObjectiveService);
  choose("FirstObjective", 4);
  EXPECT_EQ(ga->settings().FirstObjectiveIndex, kObjectiveLabour);
  choose("SecondObjective", 4);  // the service objective: no clash with labour
  EXPECT_EQ(ga->settings().SecondObjectiveIndex, kObjectiveService);
  EXPECT_EQ(first->itemIndex(), 4);
}

// Abandonment is objective 6 in both groups, after the numbers in use before it.
TEST_F(GAFormTest, MinAbandonmentIsObjectiveSixInBothGroups) {
  ui.allowMessages();
  const auto* first = gaChild<RadioGroup>("FirstObjective");
  const auto* second = gaChild<RadioGroup>("SecondObjective");
  EXPECT_EQ(first->item(5)->text(), "Min abandonment");
  EXPECT_EQ(second->item(5)->text(), "Min abandonment");
  choose("SecondObjective", 5);
  EXPECT_EQ(ga->settings().SecondObjectiveIndex, kObjectiveAbandon);
  choose("FirstObjective", 5);
  EXPECT_EQ(ga->settings().FirstObjectiveIndex, kObjectiveAbandon);
  EXPECT_EQ(ui.messages, std::vector<std::string>{kObjectiveClashMessage});
  EXPECT_EQ(second->itemIndex(), kObjectiveNone);
  choose("SecondObjective", 4);
  EXPECT_EQ(ga->settings().SecondObjectiveIndex, kObjectiveService);
  Scenario opened;
  opened.ga.FirstObjectiveIndex = kObjectiveService;
  opened.ga.SecondObjectiveIndex = kObjectiveAbandon;
  main->putInForce(opened);  // as File > Open does
  EXPECT_EQ(first->itemIndex(), 3);
  EXPECT_EQ(second->itemIndex(), 5);
}

TEST_F(GAFormTest, ASeededRunReportsAndInstallsWhatTheCoreRunDoes) {
  smallRun();
  const GASettings settings = ga->settings();
  click("DoGA");
  const RunResult expected = referenceRun(settings);
  EXPECT_EQ(expected.end, RunEnd::Finished);
  EXPECT_EQ(report(), reference.ui.report);
  EXPECT_EQ(report().front(), "GA FINISHED");
  const StaffingState& plan = reference.model.staffing;
  EXPECT_EQ(app.model.staffing.StartTimes, plan.StartTimes);
  const auto* grid = child<StartTimesGrid>(*staffing, "ScheduleGrid");
  for (int p = 0; p < kPeriods; ++p) {
    EXPECT_EQ(grid->cellText(p, StartTimesGrid::FullTimeStartColumn),
              QString::number(plan.StartTimes[FullTime][p]));
    EXPECT_EQ(grid->cellText(p, StartTimesGrid::PartTimeStartColumn),
              QString::number(plan.StartTimes[PartTime][p]));
  }
  // The main window shows the plan, with every display on again.
  const auto* labor = child<QLabel>(*main, "TotalLaborCostLabel");
  EXPECT_FALSE(labor->isHidden());
  EXPECT_TRUE(labor->text().endsWith(QString("Full/Part time = %1/%2").arg(plan.FullTimeCount).arg(plan.PartTimeCount)));
  EXPECT_TRUE(app.model.flags.InteractiveMode && app.model.flags.DrawCharts && app.model.flags.ShowWarnings);
  // One arrow per member, and a progress point per generation.
  std::size_t arrows = 0;
  for (QAbstractSeries* series : gaChild<ChartPanel>("GAChart")->chart()->series()) {
    const int points = static_cast<QLineSeries*>(series)->count();
    EXPECT_TRUE(points == 0 || points == 5);  // never a line along y = 0 to the next arrow
    arrows += points > 0;
  }
  EXPECT_EQ(arrows, 5u);
  EXPECT_EQ(gaChild<ChartPanel>("ProgressChart")->seriesNamed("Objective Value")->count(), 3);
  EXPECT_TRUE(enabled("DoGA") && enabled("CloseButton") && enabled("SaveHistoryButton"));
  EXPECT_FALSE(enabled("AbortButton"));
}

// Round ticks, whole axis titles; the carried-over plans reach the tradeoff
// chart in a one-objective run too.
TEST_F(GAFormTest, ChartsOfARun) {
  smallRun();
  click("DoGA");
  const auto* distribution = gaChild<ChartPanel>("GAChart");
  EXPECT_EQ(distribution->seriesNamed("Import")->pen().color(), QColor(0, 128, 0));
  ExpectRoundTicks(*AxisAt(*distribution, Qt::AlignBottom));
  const auto* progress = gaChild<ChartPanel>("ProgressChart");
  ExpectRoundTicks(*AxisAt(*progress, Qt::AlignLeft));
  ExpectRoundTicks(*AxisAt(*progress, Qt::AlignRight), 2);  // whole generations, 0 to 2
  ExpectRoundTicks(*AxisAt(*progress, Qt::AlignBottom), 3);
  QTest::qWait(50);  // the window lays itself out again
  QStringList texts;
  for (QGraphicsItem* item : progress->chart()->scene()->items())
    if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) texts << text->toPlainText();
  EXPECT_TRUE(texts.contains("Ojbective Function Value")) << texts.join('|').toStdString();
  EXPECT_TRUE(texts.contains("Generations w/out change"));
  const QScatterSeries* carried = tradeoff->MultiObjectiveChart->pointSeries()[1];
  ASSERT_EQ(carried->count(), 2);  // one per generation, at (its value, 0), in red
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(carried->at(k).y(), 0);
    EXPECT_EQ(carried->pointConfiguration(k).value(QXYSeries::PointConfiguration::Color), QColor(Qt::red));
  }
}

TEST_F(GAFormTest, StopEndsTheRunAfterTheCurrentGeneration) {
  smallRun();
  enter("MaxGenEdit", "50");
  bool stopped = false;
  ui.duringPause = [&] {
    if (stopped || !reportHas("Gen 1")) return;
    stopped = true;
    EXPECT_FALSE(enabled("DoGA") || enabled("CloseButton") || enabled("ResetButton") ||
                 enabled("SaveHistoryButton") || enabled("PrintGraphButton") ||
                 enabled("FirstObjective") || enabled("SecondObjective"));
    EXPECT_TRUE(enabled("MaxGenEdit") && enabled("ImproveBestCheckBox"));
    click("AbortButton");
  };
  click("DoGA");
  ui.duringPause = nullptr;
  EXPECT_EQ(ga->state().GenerationCount, 1);
  EXPECT_EQ(report().front(), "GA STOPPED AT USER REQUEST");
  EXPECT_TRUE(reportHas("PROGRAM TERMINATED PREMATURELY"));
  EXPECT_TRUE(enabled("DoGA") && enabled("FirstObjective"));
  EXPECT_FALSE(enabled("AbortButton"));
}

TEST_F(GAFormTest, SettingsEditedDuringARunTakeEffectLater) {
  smallRun();
  enter("MaxGenEdit", "50");
  bool edited = false;
  ui.duringPause = [&] {
    if (std::exchange(edited, true)) return;  // in the initial population
    enter("MaxGenEdit", "1");
    enter("InitPopEdit", "6");
  };
  click("DoGA");
  ui.duringPause = nullptr;
  EXPECT_EQ(ga->state().GenerationCount, 1);
  EXPECT_EQ(report().front(), "GA FINISHED");
  EXPECT_FALSE(reportHas("I = 6   Val = "));  // the run kept its 5 members,
  EXPECT_EQ(ga->settings().PopulationSize, 6);  // the next one has 6
  EXPECT_EQ(text("InitPopEdit"), "6");
}

TEST_F(GAFormTest, TheHistoryFileHoldsTheReportNewestFirst) {
  ui.allowMessages();
  smallRun();
  enter("MaxGenEdit", "0");
  click("DoGA");
  QTemporaryDir dir;
  const QString name = dir.filePath("run.his");
  gaChild<FileChoiceDialog>("SaveHistory")->setChooser([&](FileChoiceDialog&) { return name; });
  click("SaveHistoryButton");
  EXPECT_EQ(ui.messages.back(), "File saved as <" + name.toStdString() + ">");
  EXPECT_FALSE(gaChild<QProgressBar>("HistoryGauge")->isVisible());
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  EXPECT_EQ(lines.first(), "GA FINISHED");
  EXPECT_EQ(lines.size(), static_cast<qsizetype>(report().size()) + 1);  // the last line ends too
  ui.answer(false);
  gaChild<FileChoiceDialog>("SaveHistory")->setChooser([&, asked = false](FileChoiceDialog&) mutable {
    return std::exchange(asked, true) ? QString() : name;  // then cancel
  });
  click("SaveHistoryButton");
  EXPECT_EQ(ui.questions.back(), "File [" + name.toStdString() + "] exists.... Do you want to replace it?");
}

TEST_F(GAFormTest, ATooLowMaximumCostIsAskedAboutInAWarningBox) {
  ga->insertReportLine("a line from before the run");  // gone: each run starts an empty report
  ui.answer(false);
  click("DoGA");  // the maximum cost is 0, as at program start
  EXPECT_EQ(ui.questionKinds, std::vector<MessageKind>{MessageKind::Warning});
  EXPECT_TRUE(report().empty());
}

// A run that ends worse than the plan in force asks before installing its best
// plan: No keeps the plan and its results, Yes installs. Two generations make
// the plan in force; a run of the same seed without generations scores worse.
TEST_F(GAFormTest, ARunWorseThanThePlanInForceAsksBeforeInstalling) {
  smallRun();
  click("DoGA");
  const auto inForce = app.model.staffing.StartTimes;
  const QString totalCost = child<QLabel>(*main, "TotalCostLabel")->text();
  enter("MaxGenEdit", "0");
  for (const bool yes : {false, true}) {
    ui.answer(yes);
    click("DoGA");
    ASSERT_EQ(ui.questions.size(), 1u + yes);
    EXPECT_TRUE(ui.questions.back().starts_with("The best plan of this run costs $")) << ui.questions.back();
    EXPECT_TRUE(ui.questions.back().ends_with("; the plan in force costs " +
                                              totalCost.split("= ").back().toStdString() + ". Install it?"))
        << ui.questions.back();
    EXPECT_EQ(app.model.staffing.StartTimes == inForce, !yes);
    EXPECT_EQ(child<QLabel>(*main, "TotalCostLabel")->text() == totalCost, !yes);
    EXPECT_EQ(reportHas("The plan in force was kept"), !yes);
    EXPECT_TRUE(app.model.flags.InteractiveMode && app.model.flags.ShowWarnings);
  }
}

TEST_F(GAFormTest, ImprovingTheCurrentPlanGivesBackMemberOneAndTheSize) {
  smallRun();
  click("DoGA");
  const GASolution member1 = ga->state().population[1];
  currentPlan({5, 5, 5});
  ui.answer(false);  // no swaps
  bool checked = false;
  ui.duringPause = [&] {
    if (checked) return;
    checked = true;
    EXPECT_TRUE(ga->isVisible());
    EXPECT_FALSE(gaChild<QWidget>("DoGA")->isVisible() || gaChild<QWidget>("GAChart")->isVisible() ||
                 gaChild<QWidget>("CloseButton")->isVisible());
    EXPECT_EQ(gaChild<QPushButton>("AbortButton")->text(), "&Stop Imp");
    EXPECT_TRUE(enabled("AbortButton"));
    EXPECT_TRUE(gaChild<QWidget>("ImproveIndex")->isVisible());
    EXPECT_FALSE(child<QWidget>(*main, "MMCProbButton")->isEnabled());
    EXPECT_EQ(ga->settings().PopulationSize, 1);
  };
  click(*main, "ImproveCurrentSolnButton");
  ui.duringPause = nullptr;
  ASSERT_TRUE(checked);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.questions, std::vector<std::string>{kSwapQuestion});
  EXPECT_EQ(ga->settings().PopulationSize, 5);
  EXPECT_EQ(text("InitPopEdit"), "5");
  EXPECT_EQ(ga->state().population[1].FullTimeStarts, member1.FullTimeStarts);
  EXPECT_EQ(ga->state().population[1].Objective1, member1.Objective1);
  EXPECT_TRUE(ga->settings().AllowSwap);
  EXPECT_EQ(report().back(), "");
  EXPECT_EQ(report()[report().size() - 2].rfind("WORKING ON SOL. 1 WITH 0 CYCLES DONE, VALUE = ", 0), 0u);
  // The improved plan is in force everywhere; the GA window is back in its full layout.
  const auto* grid = child<StartTimesGrid>(*staffing, "ScheduleGrid");
  for (int p = 0; p < kPeriods; ++p)
    EXPECT_EQ(grid->cellText(p, StartTimesGrid::FullTimeStartColumn),
              QString::number(app.model.staffing.StartTimes[FullTime][p]));
  EXPECT_FALSE(child<QLabel>(*main, "TotalCostLabel")->isHidden());
  EXPECT_TRUE(app.model.flags.ShowWarnings);
  EXPECT_TRUE(gaChild<QWidget>("DoGA")->isVisible());
  EXPECT_EQ(gaChild<QPushButton>("AbortButton")->text(), "&STOP GA");
  EXPECT_FALSE(enabled("AbortButton"));
  EXPECT_TRUE(child<QWidget>(*main, "MMCProbButton")->isEnabled());
}

TEST_F(GAFormTest, StopImpEndsTheImprovementAfterTheCurrentPlan) {
  currentPlan({5, 5, 5});
  ui.answer(true);
  ui.duringPause = [&] {
    if (enabled("AbortButton")) click("AbortButton");
  };
  main->ImproveCurrentSolnButtonClick();
  ui.duringPause = nullptr;
  const std::vector<std::string> lines = report();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& line) { return line.starts_with("WORKING ON SOL."); }),
            1);
  EXPECT_FALSE(enabled("AbortButton"));
}

TEST_F(GAFormTest, APlanWithoutCapacityIsNotImproved) {
  currentPlan({3, 4, 4});  // (11 x 32 + 2 x 12) x 0.5 = 188 < 2 x 96
  main->ImproveCurrentSolnButtonClick();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("cannot serve the mean demand"), std::string::npos);
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_TRUE(gaChild<QWidget>("DoGA")->isVisible());
  EXPECT_EQ(ga->settings().PopulationSize, 25);
}

TEST(Arrows, EachArrowRisesToOneWithAHead) {
  EXPECT_EQ(Arrows({3, 1}, 0.5), (QList<QList<QPointF>>{{{3, 0}, {3, 1}, {2.5, 0.9}, {3, 1}, {3.5, 0.9}},
                                                        {{1, 0}, {1, 1}, {0.5, 0.9}, {1, 1}, {1.5, 0.9}}}));
  EXPECT_TRUE(Arrows({}, 1).isEmpty());
}

}  // namespace
}  // namespace morvane::testing
