// Chart pictures saved through the save-button procedure and read back by
// real readers: ImageMagick's identify for BMP, libwmf's wmf2svg for WMF and
// libemf2svg's emf2svg-conv for EMF (with the EMF's own header and record
// chain checked too). Also the replace question, refused names, failed writes
// and the tradeoff chart's snapshots.
#include "shared/chart_saving.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include "shared/chart_picture.h"
#include "shared/file_choice_dialog.h"
#include "support/external_tool.h"
#include "support/sample_chart_window.h"
#include "support/scripted_user_interface.h"

namespace {

using morvane::testing::fileText;
using morvane::testing::installed;
using morvane::testing::runTool;
using morvane::testing::SampleChartWindow;
using morvane::testing::ScriptedUserInterface;

class ChartSaving : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return dir.filePath(name); }
  void save(const QString& name) {
    window.chooseFiles({path(name)});
    saveChart(*window.dialog, window, ui, "Error in SaveGraph1Click");
  }
  QTemporaryDir dir;
  SampleChartWindow window;
  ScriptedUserInterface ui;
};

TEST_F(ChartSaving, DialogHasTheChartFiltersAndBitmapDefault) {
  EXPECT_EQ(window.dialog->objectName(), "SaveMap");
  EXPECT_EQ(window.dialog->nameFilters(),
            (QStringList{"BMP file (*.bmp)", "Enhanced Meta File (*.emf)",
                         "Windows Meta File (*.wmf)", "All Files (*.*)"}));
  EXPECT_EQ(window.dialog->defaultSuffix(), "bmp");
}

TEST_F(ChartSaving, BitmapIsTheChartAsShown) {
  ui.allowMessages();
  save("chart.Bmp");
  ASSERT_EQ(ui.messages,
            std::vector<std::string>{"File saved as <" + path("chart.Bmp").toStdString() + ">"});
  if (installed("identify")) {
    EXPECT_EQ(runTool("identify", {"-format", "%w %h", path("chart.Bmp")}), "640 420");
  }
  const QImage image(path("chart.Bmp"), "BMP");
  ASSERT_EQ(image.size(), QSize(640, 420));
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  EXPECT_GT(colours.size(), 10);  // lines, text and background, not a blank sheet
}

TEST_F(ChartSaving, WindowsMetafileOpensInWmf2svgWithItsText) {
  if (!installed("wmf2svg")) GTEST_SKIP() << "wmf2svg (libwmf-bin) is not installed";
  ui.allowMessages();
  save("chart.wmf");
  ASSERT_EQ(ui.messages.size(), 1u);
  const QString svgFile = path("chart.svg");
  ASSERT_TRUE(runTool("wmf2svg", {"-o", svgFile, path("chart.wmf")}));
  const QString text = fileText(svgFile);
  for (const char* expected :
       {"Output Summary", "Time in Minutes", "Number in System", "Arrivals", "1440"})
    EXPECT_TRUE(text.contains(expected)) << expected;
  EXPECT_GT(text.count("<polyline") + text.count("<path"), 10);
}

TEST_F(ChartSaving, EnhancedMetafileIsValidAndOpensInEmf2svg) {
  ui.allowMessages();
  save("chart.EMF");
  QFile file(path("chart.EMF"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const auto u32 = [&bytes](qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
  };
  ASSERT_GE(bytes.size(), 108);
  EXPECT_EQ(u32(0), 1u);
  EXPECT_EQ(u32(40), 0x464D4520u);
  EXPECT_EQ(u32(48), static_cast<quint32>(bytes.size()));
  quint32 records = 0;
  qsizetype at = 0;
  for (; at < bytes.size() && u32(at + 4) >= 8; at += u32(at + 4)) ++records;
  EXPECT_EQ(at, bytes.size());
  EXPECT_EQ(records, u32(52));
  EXPECT_EQ(u32(bytes.size() - 20), 14u);  // EMR_EOF last

  if (!installed("emf2svg-conv")) GTEST_SKIP() << "emf2svg-conv (emf2svg) is not installed";
  const QString svgFile = path("chart.svg");
  ASSERT_TRUE(runTool("emf2svg-conv", {"-i", path("chart.EMF"), "-o", svgFile}));
  const QString text = fileText(svgFile);
  for (const char* expected : {"Output Summary", "Time in Minutes", "Arrivals"})
    EXPECT_TRUE(text.contains(expected)) << expected;
}

TEST_F(ChartSaving, OtherEndingsAreRefusedAndWriteNothing) {
  ui.allowMessages();
  save("chart.jpg");
  EXPECT_EQ(ui.messages,
            std::vector<std::string>{"File not saved ... invalid extension on file name <" +
                                     path("chart.jpg").toStdString() + ">"});
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ChartSaving, RefusedReplaceAsksAgainAndCancelSavesNothing) {
  QFile existing(path("chart.bmp"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.write("old");
  existing.close();
  ui.answer(false);
  save("chart.bmp");  // the dialog then cancels
  EXPECT_EQ(ui.questions, std::vector<std::string>{"File [" + path("chart.bmp").toStdString() +
                                                   "] exists.... Do you want to replace it?"});
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(QFileInfo(path("chart.bmp")).size(), 3);

  ui.answer(true);
  ui.allowMessages();
  save("chart.bmp");
  EXPECT_EQ(QImage(path("chart.bmp")).size(), QSize(640, 420));
}

TEST_F(ChartSaving, FailedWriteShowsOnlyTheInstancesErrorAndLeavesNoFile) {
  ui.allowMessages();
  for (const char* name : {"missing/chart.bmp", "missing/chart.wmf"}) {
    ui.messages.clear();
    save(name);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Error in SaveGraph1Click"});
  }
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ChartSaving, TradeoffMapEveryFiftiethGenerationOnWhite) {
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  QFile old("GAMap for Gen 50.bmp");
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.close();
  window.view->chart()->setBackgroundBrush(Qt::darkGray);
  for (int generation : {0, 49, 50, 75, 100}) saveTradeoffMap(window, generation, ui);
  QDir::setCurrent(previous);

  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
            (QStringList{"GAMap for Gen 0.bmp", "GAMap for Gen 100.bmp", "GAMap for Gen 50.bmp"}));
  const QImage map(dir.filePath("GAMap for Gen 50.bmp"));
  ASSERT_EQ(map.size(), QSize(640, 420));
  EXPECT_EQ(map.pixel(20, 20), qRgb(255, 255, 255));
  EXPECT_EQ(window.view->chart()->backgroundBrush().color(), QColor(Qt::darkGray));  // put back
}

}  // namespace
