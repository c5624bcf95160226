// Forecast files: the forms a planner's CSV comes in, each fault's message, random
// damage, and the engine following the forecast.
#include <gtest/gtest.h>

#include <random>

#include "engine/arrival_rate.h"
#include "engine/forecast_file.h"
#include "engine/measures.h"
#include "engine/steady_state.h"
#include "engine/time_dependent_solver.h"
#include "support/odd_numbers.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

using testing::ScriptedUserInterface;

// A day of `interval`-minute lines "HH:MM,value".
std::string DayText(std::int32_t interval, const std::string& header = "start,calls",
                    const std::string& value = "5") {
  std::string text = header + "\n";
  char clock[16];
  for (std::int32_t m = 0; m < 1440; m += interval) {
    std::snprintf(clock, sizeof clock, "%02d:%02d,", m / 60 % 100, m % 60);
    text.append(clock).append(value).append("\n");
  }
  return text;
}

TEST(ForecastFile, ReadsTheFormsPlannersWrite) {
  const ForecastParse calls = ParseForecast(DayText(30), 2.5L);
  ASSERT_FALSE(calls.fault);
  EXPECT_EQ(calls.forecast.IntervalMinutes, 30);
  EXPECT_EQ(calls.forecast.Rates, std::vector<Real>(48, 10));  // 5 calls per half hour
  EXPECT_EQ(ParseForecast(DayText(1, "start,rate"), 2.5L).forecast.Rates.size(), 1440u);
  std::string european = "\xEF\xBB\xBF\"Start\";\"Rate\";note\r\n";
  for (int m = 0; m < 1440; m += 20) european += std::to_string(m) + ";\"12,5\";\"a;b\"\r\n";
  const ForecastParse semicolon = ParseForecast(european + "\r\n  \r\n", 2.5L);
  ASSERT_FALSE(semicolon.fault) << semicolon.fault->reason;
  EXPECT_EQ(semicolon.forecast.Rates, std::vector<Real>(72, 12.5L));
}

TEST(ForecastFile, EachFaultNamesTheLineAndColumn) {
  std::string bigFile = DayText(60);
  bigFile.resize(kForecastFileLimit + 1, '\n');
  std::string gap = DayText(30);
  gap.erase(gap.find("02:00"), 8);
  const struct {
    std::string text, expected;
  } cases[] = {
      {"", "File <f.csv>, line 1: there are no intervals"},
      {"start,calls\n", "line 2: there are no intervals"},
      {"start,volume\n00:00,1\n", "line 1, column \"calls\": the header has neither"},
      {"begin,calls\n00:00,1\n", "line 1, column \"start\": the header has no"},
      {DayText(60, "start,calls", "x"), "line 2, column \"calls\": \"x\" is not a number"},
      {DayText(60, "start,calls", "-1"), "line 2, column \"calls\": -1 is negative"},
      {DayText(60, "start,calls,rate"), "column \"rate\": give either"},
      {"start,calls\n00:00,1\n00:30\n", "line 3, column \"calls\": the value is missing"},
      {"start,calls\n00:10,1\n", "line 2, column \"start\": the first interval starts at 00:10"},
      {"start,calls\n0:00,1\n25:00,1\n", "line 3, column \"start\": \"25:00\" is not a time"},
      {"start,calls\n0,1\n7,1\n", "line 3, column \"start\": the intervals are 7 minutes"},
      {gap, "line 6, column \"start\": this interval starts at 02:30 but the one before ends at 02:00"},
      {DayText(60).substr(0, DayText(60).find("12:00")),
       "line 13, column \"start\": the day is not covered: the last interval ends at 12:00"},
      {DayText(60, "start,rate", "1300"), "line 2, column \"rate\": the peak rate of 1300"},
      {bigFile, "File <f.csv>: the file is over 1 MB"},
      {"start,calls\n00:00,1\x01\n", "line 2: this is not text"},
  };
  for (const auto& c : cases) {
    ScenarioInputs inputs;
    ScriptedUserInterface ui;
    ui.allowMessages();
    EXPECT_FALSE(ReadForecastText(inputs, c.text, "f.csv", ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(c.expected), std::string::npos) << ui.messages[0];
    EXPECT_EQ(inputs, ScenarioInputs{});
  }
}

TEST(ForecastFile, TheExampleDayHasANightAPeakAndALunchDip) {
  ScenarioInputs inputs;
  ScriptedUserInterface ui;
  ASSERT_TRUE(ReadForecastFile(inputs, MORVANE_EXAMPLES_DIR "/contact_centre_day.csv", ui));
  const DemandForecast& day = *inputs.Forecast;
  EXPECT_EQ(day.FileName, "contact_centre_day.csv");
  EXPECT_EQ(day.IntervalMinutes, 30);
  EXPECT_EQ(day.peak(), ArrivalRateAt(inputs, 10 * 60 + 29));
  EXPECT_LT(ArrivalRateAt(inputs, 3 * 60), 5);
  EXPECT_LT(ArrivalRateAt(inputs, 12 * 60 + 30), ArrivalRateAt(inputs, 14 * 60 + 30));
  EXPECT_EQ(MeanArrivalRate(inputs), day.mean());
}

// Random bytes and random damage to a good file: every read either installs a
// forecast covering the day or refuses with one error and changes nothing.
TEST(ForecastFile, RandomTextsEitherReadOrChangeNothing) {
  std::string valid = "start;calls;note\n";
  for (int hour = 0; hour < 24; ++hour) valid += std::to_string(hour) + ":00;4,5;x\n";
  std::mt19937 random(20261208);
  auto byte = [&] { return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random)); };
  const std::string alphabet = "0123456789:;,.\"- \r\nx";
  int installed = 0, refused = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    std::string text = valid;
    if (trial % 3 == 0) {
      text.resize(std::uniform_int_distribution<std::size_t>(0, 400)(random));
      for (char& c : text) c = trial % 2 ? byte() : alphabet[random() % alphabet.size()];
    } else {
      for (int d = 1 + static_cast<int>(random() % 3); d > 0 && !text.empty(); --d) {
        const std::size_t at = random() % text.size();
        switch (random() % 4) {
          case 0: text[at] = alphabet[random() % alphabet.size()]; break;
          case 1: text.erase(at, 1 + random() % 8); break;
          case 2: text.insert(at, testing::OddNumber(random)); break;
          default: text.insert(at, 1, byte());
        }
      }
    }
    ScenarioInputs inputs;
    ScriptedUserInterface ui;
    ui.allowMessages();
    if (ReadForecastText(inputs, text, "fuzz.csv", ui)) {
      ++installed;
      EXPECT_TRUE(ui.messages.empty());
      const DemandForecast& day = *inputs.Forecast;
      EXPECT_EQ(day.Rates.size() * static_cast<std::size_t>(day.IntervalMinutes), 1440u);
      EXPECT_GE(day.lowest(), 0);
      EXPECT_LE(day.peak(), kHighestServedRate);
    } else {
      ++refused;
      ASSERT_EQ(ui.messages.size(), 1u) << "trial " << trial;
      EXPECT_EQ(inputs, ScenarioInputs{});
    }
  }
  EXPECT_GT(installed, 100);
  EXPECT_GT(refused, 100);
}

// Counts no model can serve are refused on their own line, at once, and what the
// message quotes of the file is escaped.
TEST(ForecastFile, HugeTinyAndNonFiniteCountsAreRefusedAtOnce) {
  for (const std::string& value : std::vector<std::string>{
           "1e60", "1e51", std::string(20, '9'), "1" + std::string(399, '0'), "1e-320", "1e-400",
           "inf", "-inf", "nan", "1e308"}) {
    const ForecastParse parse = ParseForecast(DayText(30, "start,calls", value), 2.5L);
    ASSERT_TRUE(parse.fault) << value;
    EXPECT_EQ(parse.fault->line, 2) << value;
    EXPECT_EQ(parse.fault->column, "calls");
  }
  ScenarioInputs inputs;
  EXPECT_EQ(LoadForecastText(inputs, DayText(30, "start,calls", "1e60"), "day.csv"),
            "File <day.csv>, line 2, column \"calls\": 1e60 is more than any service rate "
            "Morvane offers can serve.\rThe demand in force is kept.");
  EXPECT_EQ(LoadForecastText(inputs, "start,calls\n00:00,1\n\xE9\t:30,1\n", "day.csv"),
            "File <day.csv>, line 3, column \"start\": \"\\xE9\\t:30\" is not a time of the day (HH:MM "
            "or minutes 0 to 1439).\rThe demand in force is kept.");
  EXPECT_FALSE(inputs.Forecast);
}

// The day figures and every minute's steady-state mean; minute 1440 of a forecast is
// 00:00 again, where the sine's last block ends a rounding error away.
std::vector<Real> DayOf(const ScenarioInputs& inputs) {
  Model model;
  model.inputs = inputs;
  installBaseStaffing(model);
  ScriptedUserInterface ui;
  EXPECT_TRUE(ComputeSteadyState(model, ui) && ComputeTimeDependent(model, ui));
  std::vector<Real> figures{model.steps.TotalPersonHours, model.steps.MaxPWait,
                            model.steps.MinutesOverLimit};
  figures.insert(figures.end(), model.minutes.SteadyMean.begin(), model.minutes.SteadyMean.end());
  return figures;
}

void ExpectSameDay(const std::vector<Real>& a, const std::vector<Real>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], 1e-12L) << i;
}

TEST(ForecastFile, TheEngineFollowsTheForecast) {
  ScenarioInputs flat;
  flat.DemandAmplitude = 0;
  ScenarioInputs forecast;  // the sine's inputs stay as they are: the forecast wins
  forecast.Forecast = DemandForecast{"flat.csv", 15, std::vector<Real>(96, flat.MeanDemand)};
  ExpectSameDay(DayOf(forecast), DayOf(flat));

  ScenarioInputs blocks;
  blocks.BlockDemand = true;
  blocks.BlockMinutes = 15;
  DemandForecast sampled{"sine.csv", 15, {}};
  for (int k = 0; k < 96; ++k) sampled.Rates.push_back(SinusoidalRateAt(blocks, 15 * k));
  forecast.Forecast = sampled;
  ExpectSameDay(DayOf(forecast), DayOf(blocks));
  EXPECT_EQ(PeakArrivalRate(forecast), sampled.peak());
}

}  // namespace
}  // namespace morvane
