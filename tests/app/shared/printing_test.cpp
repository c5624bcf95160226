// The printed summary and printed charts, put on PDF pages and read back with
// poppler's pdftotext: which lines the summary has in each mode, that headings
// are larger than the body and the values line up in one column, that long
// summaries go on to further pages, and that a chart fills its margins looking
// as it does on screen.
// Without a printer the planner is offered a PDF file instead.
#include <gtest/gtest.h>

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "shared/chart_printing.h"
#include "shared/file_choice_dialog.h"
#include "shared/page_printing.h"
#include "main_window/summary_printing.h"
#include "staffing/schedule_plan.h"
#include "support/external_tool.h"
#include "support/sample_chart_window.h"
#include "support/scripted_user_interface.h"

namespace {

using morvane::Model;
using morvane::testing::fileText;
using morvane::testing::installed;
using morvane::testing::runTool;
using morvane::testing::SampleChartWindow;
using morvane::testing::ScriptedUserInterface;

// A word on a PDF page with its box, in points from the page's top left.
struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;
};

class Printing : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!installed("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  }

  QString pdf() const { return dir.filePath("printed.pdf"); }

  // The summary's lines as the PDF reader sees them, laid out as on the page.
  QString summaryText(const Model& model, bool resultsShown) {
    const auto lines = morvane::SummaryLines(model, morvane::kFixedLocale, resultsShown);
    EXPECT_TRUE(printToPdf(pdf(), [&](QPainter& painter, QPagedPaintDevice& device) {
      paintSummary(lines, painter, device);
    }));
    return runTool("pdftotext", {"-layout", pdf(), "-"}).value_or("");
  }

  std::vector<Word> words() const {
    const QString html = runTool("pdftotext", {"-bbox", pdf(), "-"}).value_or("");
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> found;
    for (const auto& m : word.globalMatch(html))
      found.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                       m.captured(3).toDouble(), m.captured(4).toDouble()});
    return found;
  }

  // The first page at 72 dots per inch: one pixel per point.
  QImage pageImage() const {
    const QString stem = dir.filePath("page");
    runTool("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf(), stem});
    return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
  }

  // The smallest rectangle holding every pixel that is not white.
  static QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
  }

  // The largest mean colour difference over a grid of 16 x 16 tiles, so that a
  // small part missing (a legend entry) shows as much as a large one.
  static double largestTileDifference(const QImage& a, const QImage& b) {
    double largest = 0;
    for (int ty = 0; ty < 16; ++ty)
      for (int tx = 0; tx < 16; ++tx) {
        const QRect tile(tx * a.width() / 16, ty * a.height() / 16, a.width() / 16,
                         a.height() / 16);
        double sum = 0;
        for (int y = tile.top(); y <= tile.bottom(); ++y)
          for (int x = tile.left(); x <= tile.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
          }
        largest = std::max(largest, sum / (3.0 * tile.width() * tile.height()));
      }
    return largest;
  }

  static bool noPrinter() { return QPrinterInfo::defaultPrinter().isNull(); }

  QTemporaryDir dir;
};

Model planModel() {
  Model model;
  model.flags.UseBaseServers = false;
  auto& fullTime = model.staffing.DutyTemplate[morvane::FullTime];
  fullTime.fill(0);
  for (int k = 0; k <= 35; ++k) fullTime[k] = k <= 15 || k >= 20;
  model.staffing.StartTimes[morvane::FullTime][4] = 3;
  morvane::ScheduleGridExit(model);
  return model;
}

TEST_F(Printing, BaseModeSummaryHasBaseServersAndNoShifts) {
  const QString text = summaryText(Model{}, false);
  EXPECT_TRUE(text.contains("SUMMARY OF INPUT CONDITIONS"));
  EXPECT_TRUE(text.contains(QRegularExpression(R"(Base Number of servers\s+= 6)")));
  EXPECT_FALSE(text.contains("INFORMATION ON FULL TIME SHIFTS"));
  EXPECT_FALSE(text.contains("SUMMARY OF OUTPUT CONDITIONS"));
}

TEST_F(Printing, PlanModeSummaryHasTheShiftLines) {
  const QString text = summaryText(planModel(), false);
  EXPECT_FALSE(text.contains("Base Number of servers"));
  const QStringList expected{"----- INFORMATION ON FULL TIME SHIFTS BELOW -----",
                             "Full Time Person starts at time 0",
                             "Full Time Person breaks at time 240",
                             "Full Time Person starts at time 300",
                             "Full Time Person breaks at time 540",
                             "Full Time Employees wrap around the day",
                             "3 full time employees start at time 60",
                             "----- INFORMATION ON PART TIME SHIFTS BELOW -----"};
  qsizetype at = 0;
  for (const QString& line : expected) {
    const qsizetype found = text.indexOf(line, at);
    EXPECT_GE(found, 0) << line.toStdString();
    at = std::max(at, found);
  }
  EXPECT_EQ(text.count("Full Time Person"), 4);
}

TEST_F(Printing, OutputPartOnlyWhenResultsAreShown) {
  const QString text = summaryText(Model{}, true);
  EXPECT_TRUE(text.contains("SUMMARY OF OUTPUT CONDITIONS"));
  for (const char* caption : {"Total Person Hours = ", "Total System Cost = ", "Max P(Wait) = "})
    EXPECT_TRUE(text.contains(caption)) << caption;
}

TEST_F(Printing, HeadingsAreLargerAndTheValuesLineUp) {
  const QString text = summaryText(Model{}, false);
  const auto found = words();
  const auto height = [&found](const QString& text) {
    for (const Word& w : found)
      if (w.text == text) return w.yMax - w.yMin;
    return 0.0;
  };
  EXPECT_NEAR(height("SUMMARY") / height("Mean"), 18.0 / 10.0, 0.15);
  // The "=" of every input line stands in the same column.
  QSet<qsizetype> columns;
  for (const QString& line : text.split('\n'))
    if (line.contains(" = ")) columns.insert(line.indexOf(" = "));
  EXPECT_EQ(columns.size(), 1) << text.toStdString();
}

TEST_F(Printing, LongSummaryGoesOnToFurtherPagesWithEveryLine) {
  Model model = planModel();
  for (auto& starts : model.staffing.StartTimes) starts.fill(1);
  morvane::ScheduleGridExit(model);
  const QString text = summaryText(model, true);
  EXPECT_GE(text.count('\f'), 2);  // a form feed ends every page
  EXPECT_EQ(text.count(QRegularExpression("1 (full|part) time employees start at time")), 192);
  EXPECT_TRUE(text.contains("SUMMARY OF OUTPUT CONDITIONS"));
  // Every page is headed with the scenario's name and its number of all.
  const qsizetype pages = text.count('\f');
  EXPECT_EQ(text.count(QRegularExpression("Untitled .* Page \\d+ of " + QString::number(pages))), pages);
}

TEST_F(Printing, ChartFillsItsMarginsAsShown) {
  SampleChartWindow window;
  ASSERT_TRUE(printToPdf(pdf(), [&](QPainter& painter, QPagedPaintDevice& device) {
    paintChartPage(window, kGAChartMargins, painter, device);
  }));
  QImage page = pageImage();
  ASSERT_FALSE(page.isNull());
  // The header line in the top margin, then the chart alone.
  const QRect margin(0, 0, page.width(), page.height() * 15 / 297);
  EXPECT_FALSE(inkBox(page.copy(margin)).isEmpty());
  QPainter(&page).fillRect(margin, Qt::white);
  const QRect drawn = inkBox(page);
  // 15, 39, 15, 39 percent: a band 70 % wide and 22 % high, which the chart's
  // height fills, centred across.
  EXPECT_NEAR(drawn.top(), page.height() * 0.39, 2);
  EXPECT_NEAR(drawn.bottom(), page.height() * 0.61, 2);
  EXPECT_NEAR(drawn.center().x(), page.width() / 2.0, 2);
  EXPECT_GE(drawn.left(), page.width() * 0.15);
  // What is printed is the chart as the screen shows it.
  const QImage shown =
      window.grab().toImage().scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_LT(largestTileDifference(page.copy(drawn), shown), 16.0);  // scaling blurs to about 10
}

TEST_F(Printing, WithoutPrinterThePlannerMayTakeAPdfFile) {
  if (!noPrinter()) GTEST_SKIP() << "a default printer is installed";
  SampleChartWindow window;
  ScriptedUserInterface ui;
  ui.allowMessages();
  SampleChartWindow::scriptAnswers(pdfFileDialog(window), {pdf()});
  ui.answer(true);
  printChart(window, kOutputChartMargins, window, ui);
  EXPECT_EQ(ui.questions,
            std::vector<std::string>{
                "No printer is installed.\rDo you want to save the chart as a PDF file instead?"});
  EXPECT_EQ(ui.messages, std::vector<std::string>{"The chart was saved as PDF file <" +
                                                  pdf().toStdString() + ">"});
  EXPECT_TRUE(
      runTool("pdfinfo", {pdf()}).value_or("").contains(QRegularExpression(R"(Pages:\s+1\n)")));
}

TEST_F(Printing, DeclinedOrFailedPdfWritesNothingAndFailureIsTold) {
  if (!noPrinter()) GTEST_SKIP() << "a default printer is installed";
  SampleChartWindow window;
  ScriptedUserInterface ui;
  ui.answer(false);
  printSummary(morvane::SummaryLines(Model{}, morvane::kFixedLocale, false), window, ui);
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_TRUE(ui.messages.empty());

  ui.allowMessages();
  ui.answer(true);
  const QString unwritable = dir.filePath("missing/summary.pdf");
  SampleChartWindow::scriptAnswers(pdfFileDialog(window), {unwritable});
  printSummary(morvane::SummaryLines(Model{}, morvane::kFixedLocale, false), window, ui);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"File not saved ... unable to write <" +
                                                  unwritable.toStdString() + ">"});
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
