// The staffing window driven as a planner would: typing start counts, clicking
// template items, wrap boxes, tabs and buttons, writing and reading files.
#include "staffing_window/time_checks_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "shared/file_choice_dialog.h"
#include "staffing_window/period_check_list.h"
#include "staffing_window/start_times_grid.h"
#include "staffing/duty_template.h"
#include "staffing/start_times_file.h"
#include "support/chart_axes.h"
#include "support/scripted_user_interface.h"
#include "support/window_driving.h"

namespace {

using Grid = StartTimesGrid;

class TimeChecksFormTest : public ::testing::Test {
 protected:
  TimeChecksFormTest() {
    app.ui = &ui;
    form = std::make_unique<TTimeChecksForm>(app);
    morvane::testing::ShowActive(*form);
  }

  template <typename Widget>
  Widget* child(const char* name) const {
    return morvane::testing::Control<Widget>(*form, name);
  }
  Grid* grid() const { return child<Grid>("ScheduleGrid"); }
  QTabWidget* notebook() const { return child<QTabWidget>("Notebook"); }
  QString cell(int period, int column) const { return grid()->item(period, column)->text(); }

  void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
  // On the box itself: a check box takes clicks on its box and caption only.
  void clickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }

  // Keys go where the keyboard focus is, as they would on screen.
  void type(const QString& text, Qt::Key end) {
    for (const QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), end);
    QApplication::processEvents();  // the editor hands an Enter on through the event queue
  }
  void typeStart(int period, int column, const QString& text, Qt::Key end = Qt::Key_Tab) {
    grid()->setFocus();
    grid()->setCurrentCell(period, column);
    type(text, end);
  }
  void typeAmount(const char* edit, const QString& text) {
    auto* box = child<QLineEdit>(edit);
    box->setFocus();
    box->selectAll();
    type(text, Qt::Key_Return);
  }
  void toggleItem(const char* list, int item) {
    auto* box = child<PeriodCheckList>(list);
    box->setFocus();
    box->setCurrentRow(item);
    QTest::keyClick(box, Qt::Key_Space);
  }
  // What the on-duty columns show for the periods from..to.
  void expectOnDuty(int from, int to, const QString& total, const QString& fullTime,
                    const QString& partTime) {
    for (int period = from; period <= to; ++period) {
      EXPECT_EQ(cell(period, Grid::OnDutyColumn), total) << "period " << period;
      EXPECT_EQ(cell(period, Grid::FullTimeOnColumn), fullTime) << "period " << period;
      EXPECT_EQ(cell(period, Grid::PartTimeOnColumn), partTime) << "period " << period;
    }
  }
  void chooseFiles(const char* dialog, std::vector<QString> names) {
    auto queue = std::make_shared<std::vector<QString>>(std::move(names));
    child<FileChoiceDialog>(dialog)->setChooser([queue](FileChoiceDialog&) {
      if (queue->empty()) return QString();
      const QString name = queue->front();
      queue->erase(queue->begin());
      return name;
    });
  }

  MorvaneApp app;
  morvane::testing::ScriptedUserInterface ui;
  std::unique_ptr<TTimeChecksForm> form;
};

TEST_F(TimeChecksFormTest, OpensOnStartTimesWithDefaultTemplatesAndDemandColumns) {
  EXPECT_EQ(form->windowTitle(), "Set Number Of Servers");
  EXPECT_EQ(notebook()->currentIndex(), 2);
  EXPECT_EQ(notebook()->tabText(2), "Start Times");
  EXPECT_EQ(child<PeriodCheckList>("DutyBox")->item(95)->text(), "1425 - 1440");
  EXPECT_EQ(cell(95, Grid::TimeColumn), "1425-1440");
  morvane::PeriodCounts fullTime{}, partTime{};
  for (int k = 0; k < 32; ++k) fullTime[k] = 1;
  for (int k = 0; k < 12; ++k) partTime[k] = 1;
  EXPECT_EQ(child<PeriodCheckList>("DutyBox")->checkedItems(), fullTime);
  EXPECT_EQ(child<PeriodCheckList>("PartDutyBox")->checkedItems(), partTime);
  // 10 + 4.5 sin(2 pi 14 / 1440) = 10.27 at minute 14; 5 servers serve 12.5 > 10.27.
  EXPECT_EQ(cell(0, Grid::ArrivalsColumn), "10.27");
  EXPECT_EQ(cell(0, Grid::MinServersColumn), "5");
  EXPECT_EQ(cell(0, Grid::OnDutyColumn), "");  // nothing computed before the first grid event

  // Both demand columns follow the inputs at every showing.
  form->hide();
  app.model.inputs.MeanDemand = 20;
  form->show();
  EXPECT_EQ(cell(0, Grid::ArrivalsColumn), "20.27");
  EXPECT_EQ(cell(0, Grid::MinServersColumn), "9");
}

TEST_F(TimeChecksFormTest, TypedStartsRegisterOnTabAndEnter) {
  typeStart(0, Grid::FullTimeStartColumn, "2");
  // Tab went on to the PT start of the same period.
  EXPECT_EQ(grid()->currentColumn(), Grid::PartTimeStartColumn);
  EXPECT_EQ(cell(0, Grid::OnDutyColumn), "2");
  type("1", Qt::Key_Return);

  expectOnDuty(0, 11, "3", "2", "1");
  expectOnDuty(12, 31, "2", "2", "0");
  expectOnDuty(32, 95, "0", "0", "0");
  EXPECT_EQ(child<QLabel>("TotalLaborCostEdit")->text(), "Total Labor Cost = $320.00");
  EXPECT_EQ(app.model.staffing.ServersOnDuty[0], 3);

  // Leaving the grid registers text typed over a count; "4x" counts as 4.
  typeStart(40, Grid::FullTimeStartColumn, "4x", Qt::Key_Return);
  child<QLineEdit>("ForwardShiftEdit")->setFocus();
  EXPECT_EQ(cell(40, Grid::FullTimeOnColumn), "4");
  EXPECT_EQ(child<QLabel>("TotalLaborCostEdit")->text(), "Total Labor Cost = $820.00");
}

TEST_F(TimeChecksFormTest, PlanTooLargeToCountIsRefusedAndTheLastOneStays) {
  ui.allowMessages();
  typeStart(1, Grid::FullTimeStartColumn, "1", Qt::Key_Return);
  typeStart(0, Grid::FullTimeStartColumn, "2147483647", Qt::Key_Return);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.kinds[0], morvane::MessageKind::Error);
  expectOnDuty(1, 1, "1", "1", "0");
  EXPECT_EQ(child<QLabel>("TotalLaborCostEdit")->text(), "Total Labor Cost = $125.00");
}

TEST_F(TimeChecksFormTest, UncheckedFirstPeriodIsWarnedAndCheckedAgain) {
  ui.allowMessages();
  notebook()->setCurrentIndex(1);
  toggleItem("PartDutyBox", 0);
  EXPECT_EQ(ui.messages, std::vector<std::string>{morvane::kFirstPeriodWarning});
  EXPECT_EQ(child<PeriodCheckList>("PartDutyBox")->item(0)->checkState(), Qt::Checked);

  // Other items follow the planner: a PT shift of one hour from now on.
  for (int item = 4; item < 12; ++item) toggleItem("PartDutyBox", item);
  notebook()->setCurrentIndex(2);
  typeStart(10, Grid::PartTimeStartColumn, "1", Qt::Key_Return);
  expectOnDuty(10, 13, "1", "0", "1");
  expectOnDuty(14, 14, "0", "0", "0");
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(TimeChecksFormTest, WrapBoxesTakeEffectWhenTheTabChanges) {
  typeStart(95, Grid::FullTimeStartColumn, "1", Qt::Key_Return);
  typeStart(95, Grid::PartTimeStartColumn, "1", Qt::Key_Return);
  expectOnDuty(0, 10, "2", "1", "1");

  notebook()->setCurrentIndex(1);
  auto* partWrap = child<QCheckBox>("PartWrapBox");
  EXPECT_EQ(partWrap->text(), "Shifts WRAP Around 24:00 or 1440 minutes");
  clickBox(partWrap);
  EXPECT_EQ(partWrap->text(), "Shifts Do NOT Wrap Around Midnight or 1440 min");
  EXPECT_EQ(cell(0, Grid::PartTimeOnColumn), "1");  // not yet recomputed
  notebook()->setCurrentIndex(2);
  expectOnDuty(0, 10, "1", "1", "0");
  expectOnDuty(95, 95, "2", "1", "1");

  notebook()->setCurrentIndex(0);
  auto* fullWrap = child<QCheckBox>("WrapAroundBox");
  clickBox(fullWrap);
  EXPECT_EQ(fullWrap->text(), "Shifts Do NOT Wrap Around Midnight or 1440 min");
  notebook()->setCurrentIndex(1);
  clickBox(partWrap);
  EXPECT_EQ(partWrap->text(), "Shifts WRAP Around Midnight or 1440 min");
  notebook()->setCurrentIndex(2);
  expectOnDuty(0, 10, "1", "0", "1");
}

TEST_F(TimeChecksFormTest, ShiftsMoveStartsRoundTheDayAndBack) {
  typeStart(95, Grid::FullTimeStartColumn, "3", Qt::Key_Return);
  typeStart(2, Grid::PartTimeStartColumn, "2", Qt::Key_Return);
  click("ForwardShiftFTButton");
  EXPECT_EQ(cell(0, Grid::FullTimeStartColumn), "3");
  EXPECT_EQ(cell(95, Grid::FullTimeStartColumn), "0");
  expectOnDuty(31, 31, "3", "3", "0");
  expectOnDuty(32, 32, "0", "0", "0");
  EXPECT_EQ(cell(2, Grid::PartTimeStartColumn), "2");  // the PT column stays

  click("BackShiftFTButton");
  click("BackShiftFTButton");
  EXPECT_EQ(cell(94, Grid::FullTimeStartColumn), "3");

  typeAmount("ForwardShiftEdit", "4");
  typeAmount("BackwardShiftEdit", "4");
  click("ForwardShiftPTButton");
  EXPECT_EQ(cell(6, Grid::PartTimeStartColumn), "2");
  expectOnDuty(6, 6, "5", "3", "2");
  click("BackShiftPTButton");
  EXPECT_EQ(cell(2, Grid::PartTimeStartColumn), "2");
  EXPECT_EQ(cell(6, Grid::PartTimeStartColumn), "0");
}

TEST_F(TimeChecksFormTest, ShiftAmountsOutsideOneTo95AreResetToOne) {
  ui.allowMessages();
  const std::string warning = "Invalid input.  Must be >=1 and <=95.  Resetting to 1,";
  typeAmount("ForwardShiftEdit", "96");
  typeAmount("BackwardShiftEdit", "0");
  EXPECT_EQ(ui.messages, (std::vector<std::string>{warning, warning}));
  EXPECT_EQ(child<QLineEdit>("ForwardShiftEdit")->text(), "1");
  EXPECT_EQ(child<QLineEdit>("BackwardShiftEdit")->text(), "1");

  // Text that is no integer keeps the amount in force.
  typeAmount("ForwardShiftEdit", "3");
  typeAmount("ForwardShiftEdit", "3x");
  EXPECT_EQ(ui.messages.back(), "'3x' is not a valid integer value");
  EXPECT_EQ(child<QLineEdit>("ForwardShiftEdit")->text(), "3");
  typeStart(0, Grid::FullTimeStartColumn, "1", Qt::Key_Return);
  click("ForwardShiftFTButton");
  EXPECT_EQ(cell(3, Grid::FullTimeStartColumn), "1");
  EXPECT_EQ(ui.messages.size(), 3u);
}

// A shift button's accelerator leaves the amount box first: the amount just typed is used.
TEST_F(TimeChecksFormTest, AShiftByAcceleratorUsesTheAmountJustTyped) {
  typeStart(0, Grid::FullTimeStartColumn, "1", Qt::Key_Return);
  auto* amount = child<QLineEdit>("ForwardShiftEdit");
  QTest::mouseClick(amount, Qt::LeftButton);
  amount->selectAll();
  QTest::keyClicks(amount, "4");
  QTest::keyClick(form.get(), Qt::Key_Plus, Qt::AltModifier);
  QTest::qWait(200);  // a button pressed by its accelerator clicks a moment later
  EXPECT_EQ(cell(4, Grid::FullTimeStartColumn), "1");
}

// On screen: a corner of each caption against the blank right end of its box.
TEST_F(TimeChecksFormTest, AmountCaptionsHaveTheColoursOfTheirBoxes) {
  const QList<QLabel*> labels = form->findChildren<QLabel*>();
  for (const char* name : {"ForwardShiftEdit", "BackwardShiftEdit"}) {
    auto* box = child<QLineEdit>(name);
    const auto caption = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->buddy() == box; });
    ASSERT_NE(caption, labels.end()) << name;
    const QImage boxShot = box->grab().toImage();
    const QColor boxColour = boxShot.pixelColor(boxShot.width() - 6, boxShot.height() / 2);
    EXPECT_EQ((*caption)->grab().toImage().pixelColor(2, 2), boxColour) << name;
  }
}

TEST_F(TimeChecksFormTest, ClearEmptiesTheStartColumns) {
  typeStart(5, Grid::FullTimeStartColumn, "2");
  type("1", Qt::Key_Return);
  click("ClearButton");
  for (int period = 0; period < morvane::kPeriods; ++period) {
    EXPECT_EQ(cell(period, Grid::FullTimeStartColumn), "");
    EXPECT_EQ(cell(period, Grid::PartTimeStartColumn), "");
  }
  expectOnDuty(0, 95, "0", "0", "0");
  EXPECT_EQ(child<QLabel>("TotalLaborCostEdit")->text(), "Total Labor Cost = $0.00");
}

// Capacity 6 x 2.5 = 15 lies on a tick: the axis goes on to the next one.
TEST_F(TimeChecksFormTest, ChartsShowTheDayAndTheirLevelsOnTicks) {
  using namespace morvane::testing;
  typeStart(0, Grid::FullTimeStartColumn, "6", Qt::Key_Return);
  ExpectWholeDay(*child<ChartPanel>("Chart1"));
  ExpectRoomAbove(*AxisAt(*child<ChartPanel>("Chart1"), Qt::AlignLeft), 15);
  for (const char* name : {"FullTimeChart", "PartTimeChart"})
    EXPECT_EQ(TickLabels(*AxisAt(*child<ChartPanel>(name), Qt::AlignLeft)),
              QStringList({"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
}

TEST_F(TimeChecksFormTest, ButtonsWorkOnlyFromTheStartTimesTab) {
  ui.allowMessages();
  typeStart(5, Grid::FullTimeStartColumn, "2", Qt::Key_Return);
  notebook()->setCurrentIndex(0);
  for (const char* button : {"WriteButton", "ReadButton", "ClearButton", "ExitButton"}) click(button);
  EXPECT_EQ(ui.messages, std::vector<std::string>(4, morvane::kStartTimesTabOnly));
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(cell(5, Grid::FullTimeStartColumn), "2");
  EXPECT_TRUE(ui.questions.empty());

  notebook()->setCurrentIndex(2);
  typeStart(6, Grid::FullTimeStartColumn, "1");  // still in the editor's hands
  ui.answer(false);
  click("ExitButton");
  EXPECT_EQ(ui.questions, std::vector<std::string>{"Are you satisfied with the current schedule?"});
  EXPECT_EQ(ui.questionKinds, std::vector<morvane::MessageKind>{morvane::MessageKind::Warning});
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(app.model.staffing.FullTimeCount, 3);
  ui.answer(true);
  click("ExitButton");
  EXPECT_FALSE(form->isVisible());
}

class TimeChecksFileTest : public TimeChecksFormTest {
 protected:
  QString path(const char* name) const { return directory.filePath(QString::fromUtf8(name)); }
  QTemporaryDir directory;
};

TEST_F(TimeChecksFileTest, WrittenPlanReadsBack) {
  ui.allowMessages();
  notebook()->setCurrentIndex(0);
  toggleItem("DutyBox", 31);
  notebook()->setCurrentIndex(2);
  typeStart(3, Grid::FullTimeStartColumn, "2");
  type("1", Qt::Key_Return);
  const QString file = path("plan.tim");
  chooseFiles("WriteDialog", {file});
  click("WriteButton");
  EXPECT_EQ(ui.messages.back(), morvane::WrittenMessage(file.toStdString()));
  const std::vector<std::string> written = ui.messages;

  // Replacing asks first; No shows the dialog again, and cancelling it writes nothing.
  QFile(file).resize(0);
  ui.answer(false);
  chooseFiles("WriteDialog", {file});
  click("WriteButton");
  EXPECT_EQ(ui.questions, std::vector<std::string>{morvane::ReplaceFileQuestion(file.toStdString())});
  EXPECT_EQ(QFile(file).size(), 0);
  ui.answer(true);
  chooseFiles("WriteDialog", {file});
  click("WriteButton");
  EXPECT_EQ(QFile(file).size(), 96 * 31);

  click("ClearButton");
  notebook()->setCurrentIndex(0);
  toggleItem("DutyBox", 31);
  notebook()->setCurrentIndex(2);
  chooseFiles("ReadDialog", {path("missing.tim"), file});
  click("ReadButton");
  EXPECT_EQ(ui.messages.back(), morvane::MissingFileMessage(path("missing.tim").toStdString()));
  EXPECT_EQ(child<PeriodCheckList>("DutyBox")->item(31)->checkState(), Qt::Unchecked);
  EXPECT_EQ(cell(3, Grid::FullTimeStartColumn), "2");
  EXPECT_EQ(cell(3, Grid::PartTimeStartColumn), "1");
  EXPECT_EQ(cell(4, Grid::PartTimeStartColumn), "");
  expectOnDuty(3, 14, "3", "2", "1");
  expectOnDuty(33, 33, "2", "2", "0");
  expectOnDuty(34, 34, "0", "0", "0");
}

TEST_F(TimeChecksFileTest, MalformedFileLeavesThePlanAsItWas) {
  ui.allowMessages();
  typeStart(3, Grid::FullTimeStartColumn, "2", Qt::Key_Return);
  const QString file = path("bad.tim");
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write("    1       1       5       0\r\n    0       x       0       0\r\n");
  out.close();
  chooseFiles("ReadDialog", {file});
  click("ReadButton");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.kinds.back(), morvane::MessageKind::Error);
  EXPECT_EQ(cell(0, Grid::FullTimeStartColumn), "");
  EXPECT_EQ(cell(3, Grid::FullTimeStartColumn), "2");
  EXPECT_EQ(child<PeriodCheckList>("DutyBox")->item(31)->checkState(), Qt::Checked);
  expectOnDuty(34, 34, "2", "2", "0");

  // An empty file is a plan: both templates come back as their first period only.
  ui.messages.clear();
  QFile(file).resize(0);
  click("ReadButton");
  chooseFiles("ReadDialog", {file});
  click("ReadButton");
  EXPECT_EQ(ui.messages, std::vector<std::string>(2, morvane::kFirstPeriodWarning));
  morvane::PeriodCounts firstOnly{};
  firstOnly[0] = 1;
  EXPECT_EQ(child<PeriodCheckList>("DutyBox")->checkedItems(), firstOnly);
  EXPECT_EQ(cell(3, Grid::FullTimeStartColumn), "");
}

}  // namespace
