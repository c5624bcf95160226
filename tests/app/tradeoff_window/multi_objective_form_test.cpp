// The tradeoff window: its series and legend, what a two-objective run draws
// in it, and a click on a point, which can make that plan the current one.
#include "tradeoff_window/multi_objective_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QtCharts/QScatterSeries>

#include "shared/chart_panel.h"
#include "shared/file_choice_dialog.h"
#include "staffing_window/start_times_grid.h"
#include "app/ga_window/ga_windows.h"
#include "optimiser/tradeoff_table.h"
#include "staffing/start_times_file.h"
#include "support/chart_axes.h"

namespace morvane::testing {
namespace {

class TradeoffTest : public GAWindows {
 protected:
  QScatterSeries* series(int k) const { return chart()->pointSeries()[k]; }
  ChartPanel* chart() const { return tradeoff->MultiObjectiveChart; }

  // Total cost against the largest P(wait), one generation of 5 plans.
  GASettings twoObjectiveRun() {
    smallRun();
    enter("MaxGenEdit", "1");
    choose("SecondObjective", 1);
    const GASettings settings = ga->settings();
    click("DoGA");
    return settings;
  }

  // A real click on point `index` of `series`, as the planner makes it.
  void clickPoint(QScatterSeries* points, int index) {
    ShowActive(*tradeoff);
    QChartView* view = chart()->view();
    const QPointF at = chart()->chart()->mapToPosition(points->at(index), points);
    const QPoint pixel = view->mapFromScene(chart()->chart()->mapToScene(at));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pixel);
  }

  // The member drawn at a point.
  const GASolution& memberAt(QPointF point) const {
    const Population& population = ga->state().population;
    for (std::int32_t m = 1; m <= ga->settings().PopulationSize; ++m)
      if (double(population[m].Objective1) == point.x() && double(population[m].Objective2) == point.y())
        return population[m];
    ADD_FAILURE() << "no member at the point";
    return population[0];
  }
};

QList<QPointF> Points(const std::vector<TradeoffPoint>& points) {
  QList<QPointF> all;
  for (const TradeoffPoint& point : points) all.append(QPointF(point.x, point.y));
  return all;
}

TEST_F(TradeoffTest, FivePointSeriesWithALegendBoxEach) {
  EXPECT_EQ(tradeoff->windowTitle(), "Multi-Objective Form");
  EXPECT_EQ(chart()->chart()->title(), "Tradeoff Curve");
  QStringList names;
  for (QScatterSeries* points : chart()->pointSeries()) names << points->name();
  EXPECT_EQ(names, (QStringList{"Inferior", "CarryOver", "NonInferior", "Supported", "Random"}));
  // A colour and a marker of each series' own.
  QSet<QRgb> colours;
  QSet<int> shapes;
  for (QScatterSeries* points : chart()->pointSeries()) {
    colours.insert(points->color().rgb());
    if (points->lightMarker().isNull()) shapes.insert(points->markerShape());
  }
  EXPECT_EQ(colours.size(), 5);
  EXPECT_EQ(shapes.size(), 3);  // Supported and Random draw pictures of their own
  EXPECT_EQ(series(3)->color(), QColor(Qt::red));
  EXPECT_EQ(series(4)->color(), QColor(Qt::blue));
  const QImage triangle = series(4)->lightMarker();
  ASSERT_FALSE(triangle.isNull());
  EXPECT_EQ(triangle.size(), QSize(5, 5));
  EXPECT_EQ(triangle.pixelColor(0, triangle.height() - 1).alpha(), 0);  // pointing down
  EXPECT_NE(triangle.pixelColor(triangle.width() / 2, triangle.height() - 2).alpha(), 0);
  QCheckBox* legend = chart()->legendBox(series(0));
  ASSERT_NE(legend, nullptr);
  clickMark(legend);
  EXPECT_FALSE(series(0)->isVisible());
  for (const char* button : {"CloseButton", "PrintChartButton", "SaveChartButton"})
    EXPECT_NE(child<QPushButton>(*tradeoff, button), nullptr);
  EXPECT_EQ(child<QPushButton>(*tradeoff, "SaveChartButton")->text(), "&Save");
  EXPECT_FALSE(child<QCheckBox>(*tradeoff, "SaveBox")->isChecked());
}

TEST_F(TradeoffTest, ATwoObjectiveRunOpensTheWindowAndFillsItsSeries) {
  const GASettings settings = twoObjectiveRun();
  EXPECT_TRUE(tradeoff->isVisible());
  referenceRun(settings);
  const TradeoffChart& expected = reference.observer.charts.back();
  EXPECT_EQ(series(0)->points(), Points(expected.Inferior));
  EXPECT_EQ(series(1)->points(), Points(expected.CarryOver));
  EXPECT_EQ(series(2)->points(), Points(expected.NonInferior));
  EXPECT_EQ(series(3)->points(), Points(expected.Supported));
  EXPECT_EQ(series(4)->points(), Points(expected.Random));
  EXPECT_EQ(series(1)->count(), ga->state().ActualCarryOver);
  EXPECT_EQ(series(0)->count() + series(2)->count() + series(3)->count(), ga->settings().PopulationSize);
  EXPECT_EQ(chart()->chart()->title().toStdString(), expected.TitleLine1 + "<br>" + expected.TitleLine2);
  EXPECT_TRUE(chart()->chart()->title().startsWith("Tradeoff Curve (Gen/no change = 1/"));
  EXPECT_EQ(chart()->chart()->axes(Qt::Horizontal)[0]->titleText(), "Total Cost");
  EXPECT_EQ(chart()->chart()->axes(Qt::Vertical)[0]->titleText(), "Max P(wait)");
  // Every point inside the frame; values that are never negative get no ticks below 0.
  const QValueAxis* x = AxisAt(*chart(), Qt::AlignBottom);
  const QValueAxis* y = AxisAt(*chart(), Qt::AlignLeft);
  for (const QValueAxis* axis : {x, y}) {
    ExpectRoundTicks(*axis);
    EXPECT_GE(axis->tickAnchor(), 0);
  }
  // The axes fit the non-inferior and supported plans; "Show all plans" fits every plan.
  const auto inside = [&](int k) {
    for (const QPointF& p : series(k)->points())
      if (!(x->min() < p.x() && p.x() < x->max() && y->min() < p.y() && p.y() < y->max())) return false;
    return true;
  };
  EXPECT_TRUE(inside(2) && inside(3));
  const double width = x->max() - x->min();
  EXPECT_FALSE(child<QCheckBox>(*tradeoff, "ShowAllBox")->isChecked());
  clickMark(child<QCheckBox>(*tradeoff, "ShowAllBox"));
  for (int k = 0; k < 5; ++k) EXPECT_TRUE(inside(k)) << k;
  EXPECT_GE(x->max() - x->min(), width);
}

TEST_F(TradeoffTest, AClickAnsweredYesMakesThatPlanTheCurrentOne) {
  twoObjectiveRun();
  clickMark(child<QCheckBox>(*tradeoff, "ShowAllBox"));  // every plan within the axes, to be clicked
  // A point of a plan other than the one in force (the run's cheapest).
  QScatterSeries* points = nullptr;
  int index = 0;
  for (int k = 0; k < 5 && !points; ++k)
    for (index = 0; index < series(k)->count(); ++index)
      if (memberAt(series(k)->at(index)).FullTimeStarts != app.model.staffing.StartTimes[FullTime]) {
        points = series(k);
        break;
      }
  ASSERT_NE(points, nullptr);
  const GASolution chosen = memberAt(points->at(index));
  const std::string status = chosen.Supported ? "Supported" : chosen.NonInferior ? "NonInferior" : "Dominated";
  const qsizetype drawn = points->count();
  ui.answer(true);
  clickPoint(points, index);
  ASSERT_EQ(ui.questions.size(), 1u);
  const std::string& question = ui.questions[0];
  EXPECT_EQ(question.rfind("Total cost = $", 0), 0u) << question;
  EXPECT_NE(question.find("\rMax P(Wait) = "), std::string::npos);
  EXPECT_NE(question.find("\r" + status + "\r"), std::string::npos);
  EXPECT_TRUE(question.ends_with(" Part time employees used\r\rDo you want to make this the CURRENT solution?"));
  EXPECT_EQ(app.model.staffing.StartTimes[FullTime], chosen.FullTimeStarts);
  EXPECT_EQ(app.model.staffing.StartTimes[PartTime], chosen.PartTimeStarts);
  const auto* grid = child<StartTimesGrid>(*staffing, "ScheduleGrid");
  for (int p = 0; p < kPeriods; ++p)
    EXPECT_EQ(grid->cellText(p, StartTimesGrid::FullTimeStartColumn), QString::number(chosen.FullTimeStarts[p]));
  EXPECT_TRUE(child<QLabel>(*main, "TotalLaborCostLabel")
                  ->text()
                  .endsWith(QString("Full/Part time = %1/%2").arg(chosen.NumFullTime).arg(chosen.NumPartTime)));
  EXPECT_EQ(points->count(), drawn);  // the chart stays as it was
}

TEST_F(TradeoffTest, AClickAnsweredNoOrOnALostPlanChangesNothing) {
  twoObjectiveRun();
  const auto before = app.model.staffing.StartTimes;
  QScatterSeries* inferior = series(0)->count() > 0 ? series(0) : series(3);
  ui.answer(false);
  tradeoff->MultiObjectiveChartClickSeries(inferior, 0);
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(app.model.staffing.StartTimes, before);
  // The plan at the point has left the population since the chart was drawn.
  ui.allowMessages();
  for (std::int32_t m = 1; m <= ga->settings().PopulationSize; ++m) ga->state().population[m].Objective1 += 1;
  tradeoff->MultiObjectiveChartClickSeries(inferior, 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].rfind("Error...Unable to find solution\rTotal cost = $", 0), 0u);
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(app.model.staffing.StartTimes, before);
}

TEST_F(TradeoffTest, SavesEveryFiftiethGenerationWhenAsked) {
  QTemporaryDir dir;
  const QString home = QDir::currentPath();
  QDir::setCurrent(dir.path());
  clickMark(child<QCheckBox>(*tradeoff, "SaveBox"));
  smallRun();  // two generations
  choose("SecondObjective", 2);
  click("DoGA");
  QDir::setCurrent(home);
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("GAMap for Gen 0.bmp")));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("GAMap for Gen 1.bmp")));
  EXPECT_EQ(chart()->chart()->axes(Qt::Vertical)[0]->titleText(), "Time P(wait) > 0.200");
}

TEST_F(TradeoffTest, ExportsTheNonInferiorPlansOfTheRunShown) {
  auto* button = child<QPushButton>(*tradeoff, "ExportButton");
  auto* dialog = tradeoff->findChild<FileChoiceDialog*>("ExportDialog");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(button->text(), "E&xport plans...");
  EXPECT_EQ(dialog->nameFilters(), QStringList{"CSV file (*.csv)"});
  EXPECT_EQ(dialog->windowTitle(), "Export plans");
  EXPECT_EQ(dialog->defaultSuffix(), "csv");
  EXPECT_FALSE(button->isEnabled());  // nothing drawn yet
  twoObjectiveRun();
  QTemporaryDir dir;
  QString file = dir.filePath("plans.csv");
  dialog->setChooser([&file](FileChoiceDialog&) { return file; });
  ui.allowMessages();
  ShowActive(*tradeoff);
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], WrittenMessage(file.toStdString()));
  const GASettings& settings = ga->settings();
  const std::vector<GASolution> plans = NonInferiorPlans(ga->state().population, settings.PopulationSize);
  EXPECT_EQ(plans.size(), std::size_t(series(2)->count() + series(3)->count()));
  QFile written(file);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll().toStdString(), TradeoffTableText(plans, settings));
  file = dir.filePath("missing/plans.csv");
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_TRUE(ui.messages[1].starts_with("File <" + file.toStdString() + "> could not be written: "));
  // Mid-run the population changes under the chart; a one-objective run draws none.
  ui.duringPause = [&] {
    if (button->isEnabled() && ui.messages.size() == 2) QTest::mouseClick(button, Qt::LeftButton);
  };
  click("DoGA");
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[2], "The plans can be exported when the GA run (or the improvement) has ended.");
  ui.duringPause = nullptr;
  choose("SecondObjective", kObjectiveNone);
  click("DoGA");
  EXPECT_FALSE(button->isEnabled());
}

}  // namespace
}  // namespace morvane::testing
