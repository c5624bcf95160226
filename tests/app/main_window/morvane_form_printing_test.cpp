// The main window's print and save buttons: the summary with and without a
// time-dependent result, and which chart each save button writes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "shared/chart_panel.h"
#include "shared/file_choice_dialog.h"
#include "program/morvane_windows.h"
#include "shared/radio_group.h"
#include "support/external_tool.h"
#include "support/sample_chart_window.h"
#include "support/scripted_user_interface.h"
#include "support/window_driving.h"

namespace {

using morvane::testing::Control;
using morvane::testing::SampleChartWindow;

class MorvaneFormPrinting : public ::testing::Test {
 protected:
  MorvaneFormPrinting() {
    app.ui = &ui;
    windows = std::make_unique<MorvaneWindows>(app, 0);
    form = &windows->main;
    morvane::testing::ShowActive(*form);
    ui.allowMessages();
  }

  void click(const char* button) {
    QTest::mouseClick(Control<QAbstractButton>(*form, button), Qt::LeftButton);
  }
  void choosePWait() {
    QAbstractButton* radio = Control<RadioGroup>(*form, "WhatToPlotGroup")->item(1);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
  }
  // The summary printed by the button into a PDF file, as text.
  QString printedSummary() {
    const QString pdf = dir.filePath("summary.pdf");
    QFile::remove(pdf);
    ui.answer(true);
    SampleChartWindow::scriptAnswers(pdfFileDialog(*form), {pdf});
    click("PrintSummaryButton");
    return morvane::testing::runTool("pdftotext", {"-layout", pdf, "-"}).value_or("");
  }
  // Saves with `button` and tells whether the bitmap is the picture of `chart`.
  bool savesPictureOf(const char* button, const char* chart) {
    const QString file = dir.filePath(QString(chart) + ".bmp");
    SampleChartWindow::scriptAnswers(chartSaveDialog(*form, "SaveMap"), {file});
    click(button);
    const QImage shown = Control<ChartPanel>(*form, chart)->grab().toImage();
    return QImage(file).convertToFormat(QImage::Format_RGB32) ==
           shown.convertToFormat(QImage::Format_RGB32);
  }

  QTemporaryDir dir;
  morvane::testing::ScriptedUserInterface ui;
  MorvaneApp app;
  std::unique_ptr<MorvaneWindows> windows;
  TMorvaneForm* form;
};

TEST_F(MorvaneFormPrinting, SummaryHasTheOutputPartOnlyWhileResultsAreShown) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer is installed";
  if (!morvane::testing::installed("pdftotext")) GTEST_SKIP() << "pdftotext is not installed";
  QString text = printedSummary();
  EXPECT_TRUE(text.contains("Base Number of servers"));
  EXPECT_FALSE(text.contains("SUMMARY OF OUTPUT CONDITIONS"));

  click("MMCProbButton");
  click("ComputeTransientProbsButton");
  text = printedSummary();
  EXPECT_TRUE(text.contains("SUMMARY OF OUTPUT CONDITIONS"));
  // pdftotext lays runs of blanks out by their width: compare words only.
  for (const char* label : {"TotalLaborCostLabel", "TotalCostLabel", "MaxProbWaitLabel",
                            "ServiceLevelLabel"})
    EXPECT_TRUE(text.simplified().contains(Control<QLabel>(*form, label)->text().simplified()))
        << label;

  auto* edit = Control<QLineEdit>(*form, "MeanDemandEdit");
  edit->setFocus(Qt::MouseFocusReason);
  edit->selectAll();
  QTest::keyClicks(edit, "12");
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_FALSE(printedSummary().contains("SUMMARY OF OUTPUT CONDITIONS"));
}

TEST_F(MorvaneFormPrinting, SaveButtonsWriteTheChartsBesideThem) {
  click("MMCProbButton");
  EXPECT_TRUE(savesPictureOf("SaveGraph1", "OutputChart"));
  choosePWait();
  EXPECT_TRUE(savesPictureOf("SaveGraph1", "OutputChart2"));
  EXPECT_TRUE(savesPictureOf("SaveGraph2", "Chart1"));  // whatever the left chart shows
  EXPECT_EQ(ui.messages.size(), 3u);
}

}  // namespace
