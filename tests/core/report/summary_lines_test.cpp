// The printed input/output summary: its input part, the staffing plan in plan
// mode, and the output part only when results are shown.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/measures.h"
#include "engine/service_level.h"
#include "report/summary_lines.h"

namespace morvane {
namespace {

std::vector<std::string> Texts(const std::vector<SummaryLine>& lines) {
  std::vector<std::string> texts;
  for (const SummaryLine& line : lines) texts.push_back(line.text);
  return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Lines strictly between two lines of the summary.
std::vector<std::string> Between(const std::vector<std::string>& texts, const std::string& first,
                                 const std::string& last) {
  const auto begin = std::find(texts.begin(), texts.end(), first);
  const auto end = std::find(begin, texts.end(), last);
  EXPECT_NE(end, texts.end()) << first << " ... " << last;
  return {begin + (begin == texts.end() ? 0 : 1), end};
}

Model PlanModel() {
  Model model;
  model.flags.UseBaseServers = false;
  PeriodCounts& ft = model.staffing.DutyTemplate[FullTime];
  ft.fill(0);
  for (int k = 0; k <= 15; ++k) ft[k] = 1;
  for (int k = 20; k <= 35; ++k) ft[k] = 1;
  model.staffing.StartTimes[FullTime][4] = 3;
  model.staffing.StartTimes[FullTime][95] = 1;
  model.staffing.StartTimes[PartTime][10] = 2;
  model.staffing.PartTimeWraps = false;
  model.staffing.FullTimeCount = 4;
  model.staffing.PartTimeCount = 2;
  return model;
}

TEST(SummaryLines, InputPartOfTheDefaultsInBaseMode) {
  Model model;
  installBaseStaffing(model);
  const auto lines = SummaryLines(model, kFixedLocale, false);
  const std::vector<std::string> expected{
      "===========================",
      "SUMMARY OF INPUT CONDITIONS",
      "===========================",
      "", "", "",
      "Mean Demand per hour                       = 10.00",
      "Demand amplitude (peak-mean)               = 4.50",
      "Cycles per day                             = 1",
      "Demand shift in minutes                    = 0.00",
      "",
      "Base Number of servers                     = 6",
      "Mean Service Rate                          = 2.50",
      "Mean patience in seconds                   = 0 (nobody hangs up)",
      "Target answer time in seconds              = 20",
      "Target service level in percent            = 80.00",
      "",
      "Cost per person hour of delay              = $12.00",
      "Cost per full time employee                = $125.00",
      "Cost per part time employee                = $70.00",
      "",
      "Time Step (DeltaTime)                      = 60",
      "Maximum Number of Iterations               = 10",
      "Maximum Percent Change in Probabilities    = 0.10000",
      "Maximum States                             = 100",
      ""};
  EXPECT_EQ(Texts(lines), expected);
  for (std::size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].style, i < 3 ? SummaryStyle::Heading : SummaryStyle::Body) << i;
}

TEST(SummaryLines, AForecastReplacesTheSineLines) {
  Model model;
  installBaseStaffing(model);
  model.inputs.Forecast = DemandForecast{"day.csv", 720, {4, 16}};
  const auto texts = Texts(SummaryLines(model, kFixedLocale, false));
  const std::vector<std::string> expected{
      "Demand forecast file                       = day.csv",
      "Forecast interval in minutes               = 720",
      "Lowest demand per hour                     = 4.00",
      "Mean Demand per hour                       = 10.00",
      "Peak demand per hour                       = 16.00"};
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 6, texts.begin() + 11), expected);
  EXPECT_EQ(texts[11], "");
}

TEST(SummaryLines, LargeValuesKeepTheirSeparatorsAndColumn) {
  Model model;
  model.inputs.FullTimeCost = 100000;
  model.inputs.MaxPercentChange = 0.00001L;
  model.inputs.PatienceSeconds = 36000;
  const auto texts = Texts(SummaryLines(model, kFixedLocale, false));
  EXPECT_TRUE(Contains(texts, "Mean patience in seconds                   = 36000"));
  EXPECT_TRUE(Contains(texts, "Cost per full time employee                = $100,000.00"));
  EXPECT_TRUE(Contains(texts, "Maximum Percent Change in Probabilities    = 0.00001"));
}

TEST(SummaryLines, PlanModeWalksTheTemplatesInsteadOfTheBaseServers) {
  const auto texts = Texts(SummaryLines(PlanModel(), kFixedLocale, false));
  EXPECT_FALSE(std::any_of(texts.begin(), texts.end(),
                           [](const std::string& t) { return t.starts_with("Base Number"); }));
  const std::vector<std::string> fullTime{
      "Full Time Person starts at time 0",   "Full Time Person breaks at time 240",
      "Full Time Person starts at time 300", "Full Time Person breaks at time 540",
      "Full Time Employees wrap around the day",
      "",
      "3 full time employees start at time 60",
      "1 full time employees start at time 1425",
      "", ""};
  EXPECT_EQ(Between(texts, "----- INFORMATION ON FULL TIME SHIFTS BELOW -----",
                    "----- INFORMATION ON PART TIME SHIFTS BELOW -----"),
            fullTime);
  const std::vector<std::string> partTime{
      "Part Time Person starts at time 0", "Part Time Person breaks at time 180",
      "Part Time Employees do NOT wrap around the day",
      "",
      "2 part time employees start at time 150",
      ""};
  EXPECT_EQ(Between(texts, "----- INFORMATION ON PART TIME SHIFTS BELOW -----",
                    "Number of Full Time Employees              = 4"),
            partTime);
  EXPECT_EQ(texts.back(), "Number of Part Time Employees              = 2");
}

TEST(SummaryLines, EndOfDayBreakOnlyWhenPeriodZeroIsOff) {
  Model model = PlanModel();
  PeriodCounts& ft = model.staffing.DutyTemplate[FullTime];
  ft.fill(0);
  for (int k = 90; k < kPeriods; ++k) ft[k] = 1;
  auto texts = Texts(SummaryLines(model, kFixedLocale, false));
  EXPECT_TRUE(Contains(texts, "Full Time Person starts at time 1350"));
  EXPECT_TRUE(Contains(texts, "Full Time Person breaks at time the day"));

  ft[0] = 1;  // the duty runs on past midnight into period 0
  texts = Texts(SummaryLines(model, kFixedLocale, false));
  EXPECT_TRUE(Contains(texts, "Full Time Person starts at time 0"));
  EXPECT_TRUE(Contains(texts, "Full Time Person breaks at time 15"));
  EXPECT_FALSE(Contains(texts, "Full Time Person breaks at time the day"));
}

TEST(SummaryLines, OutputPartOnlyWhenResultsAreShown) {
  Model model;
  installBaseStaffing(model);
  model.steps.TotalPersonHours = 96;
  const auto hidden = SummaryLines(model, kFixedLocale, false);
  const auto shown = SummaryLines(model, kFixedLocale, true);
  ASSERT_EQ(shown.size(), hidden.size() + 2 + 3 + 3 + 8 + 4 + 1);
  EXPECT_TRUE(std::equal(hidden.begin(), hidden.end(), shown.begin()));

  const ResultLabels labels = ResultLabelTexts(model, kFixedLocale);
  const ServiceLabels service = ServiceLabelTexts(model, kFixedLocale);
  const std::vector<SummaryLine> output(shown.begin() + hidden.size(), shown.end());
  const std::vector<SummaryLine> expected{
      {""}, {""},
      {"============================", SummaryStyle::Heading},
      {"SUMMARY OF OUTPUT CONDITIONS", SummaryStyle::Heading},
      {"============================", SummaryStyle::Heading},
      {""}, {""}, {""},
      {labels.TotalPersonHoursLabel}, {labels.TotalPersonHoursCostLabel},
      {labels.TotalLaborCostLabel}, {labels.TotalCostLabel}, {labels.MaxProbWaitLabel},
      {labels.MaxPAllBusyLabel}, {labels.TimeOverLimitLabel}, {labels.MaxP200Label},
      {service.ServiceLevelLabel}, {service.SpeedOfAnswerLabel}, {service.TimeBelowTargetLabel},
      {service.AbandonmentLabel},
      {"Overloaded minutes = 0"}};
  EXPECT_EQ(output, expected);
  EXPECT_EQ(output[9].text, "Total Person Cost = $1,152.00");
}

}  // namespace
}  // namespace morvane
