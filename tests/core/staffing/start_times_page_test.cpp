// The Start Times page's figures: start cells, period labels, the demand
// columns, the labour-cost caption and the arrivals-versus-capacity chart.
#include <gtest/gtest.h>

#include "staffing/schedule_plan.h"
#include "staffing/start_times_page.h"

namespace morvane {
namespace {

TEST(ReadStartCell, CountsTheLeadingDigitsOnly) {
  EXPECT_EQ(ReadStartCell("3a"), 3);
  EXPECT_EQ(ReadStartCell("a3"), 0);
  EXPECT_EQ(ReadStartCell(""), 0);
  EXPECT_EQ(ReadStartCell("   "), 0);
  EXPECT_EQ(ReadStartCell("  12"), 12);
  EXPECT_EQ(ReadStartCell("\t7 8"), 7);
  EXPECT_EQ(ReadStartCell("-4"), -4);
  EXPECT_EQ(ReadStartCell("+5"), 5);
  EXPECT_EQ(ReadStartCell("-"), 0);
  EXPECT_EQ(ReadStartCell("2.9"), 2);
}

TEST(ReadStartCell, DigitsBeyond32BitsStopAtTheRange) {
  EXPECT_EQ(ReadStartCell("2147483647"), 2147483647);
  EXPECT_EQ(ReadStartCell("2147483648"), 2147483647);
  EXPECT_EQ(ReadStartCell("99999999999999999999999999"), 2147483647);
  EXPECT_EQ(ReadStartCell("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ReadStartCell("-99999999999999999999"), -2147483647 - 1);
}

TEST(GridPeriodLabel, JoinsTheMinuteBounds) {
  EXPECT_EQ(GridPeriodLabel(0), "0-15");
  EXPECT_EQ(GridPeriodLabel(95), "1425-1440");
}

TEST(PeriodDemand, MinServersExceedsThePeakEvenAtAnExactMultiple) {
  ScenarioInputs inputs;
  inputs.MeanDemand = 5;
  inputs.DemandAmplitude = 0;  // every minute at 5.0, twice the service rate 2.5
  const PeriodDemand demand = PeriodDemandOf(inputs, 40);
  EXPECT_EQ(demand.peakArrivals, 5.0L);
  EXPECT_EQ(demand.minServers, 3);
  inputs.MeanDemand = 5.1L;
  EXPECT_EQ(PeriodDemandOf(inputs, 40).minServers, 3);
}

TEST(PeriodDemand, PeakIsTheHighestMinuteAndNeverBelowZero) {
  ScenarioInputs inputs;  // 10 + 4.5 sin(2 pi m / 1440): highest at minute 360
  EXPECT_EQ(PeriodDemandOf(inputs, 24).peakArrivals, 14.5L);
  EXPECT_EQ(PeriodDemandOf(inputs, 24).minServers, 6);  // 5 x 2.5 = 12.5 < 14.5
  EXPECT_EQ(ArrivalsText(PeriodDemandOf(inputs, 24).peakArrivals, kFixedLocale), "14.50");
  // A period whose rates are all below zero (an amplitude above the mean) shows
  // 0.00 and needs one server.
  inputs.MeanDemand = 1;
  inputs.DemandAmplitude = 5;
  const PeriodDemand trough = PeriodDemandOf(inputs, 72);  // around minute 1080
  EXPECT_EQ(ArrivalsText(trough.peakArrivals, kFixedLocale), "0.00");
  EXPECT_EQ(trough.minServers, 1);
}

TEST(PeriodDemand, NoServiceMeansNoServerCountSuffices) {
  ScenarioInputs inputs;
  inputs.ServiceRate = 0;
  EXPECT_EQ(PeriodDemandOf(inputs, 0).minServers, 0);
}

TEST(PeriodDemand, AForecastGivesTheArrivalsAndTheChart) {
  Model model;
  model.inputs.Forecast = DemandForecast{"day.csv", 60, std::vector<Real>(24, 5)};
  model.inputs.Forecast->Rates[10] = 50;  // 10:00 to 11:00
  EXPECT_EQ(PeriodDemandOf(model.inputs, 40).peakArrivals, 50);
  EXPECT_EQ(PeriodDemandOf(model.inputs, 40).minServers, 21);
  EXPECT_EQ(PeriodDemandOf(model.inputs, 39).peakArrivals, 5);
  EXPECT_EQ(MeanArrivalsVsServiceCapacity(model).meanArrivals[659].y, 50);
}

TEST(LaborCostCaption, ShowsTheCostAsCurrency) {
  EXPECT_EQ(LaborCostCaption(515, kFixedLocale), "Total Labor Cost = $515.00");
  EXPECT_EQ(LaborCostCaption(1234567.5L, kFixedLocale), "Total Labor Cost = $1,234,567.50");
}

TEST(MeanArrivalsVsServiceCapacity, OnePointPerMinuteOfTheDay) {
  Model model;
  model.inputs.BlockDemand = true;  // the chart shows the sinusoid all the same
  model.staffing.StartTimes[FullTime][0] = 2;
  ASSERT_FALSE(ScheduleGridExit(model));
  const CapacityChartSeries series = MeanArrivalsVsServiceCapacity(model);
  ASSERT_EQ(series.meanArrivals.size(), 1441u);
  ASSERT_EQ(series.serviceCapacity.size(), 1441u);
  EXPECT_EQ(series.meanArrivals[360].x, 360);
  EXPECT_EQ(series.meanArrivals[360].y, 14.5L);
  EXPECT_EQ(series.meanArrivals[0].y, 10);
  EXPECT_EQ(series.serviceCapacity[479].y, 5);
  EXPECT_EQ(series.serviceCapacity[480].y, 0);
  EXPECT_EQ(series.serviceCapacity[1440], (ChartPoint{1440, 5}));
}

}  // namespace
}  // namespace morvane
