// Scenario files: every input survives a save and an open exactly, files of
// older formats take defaults, and a bad or hostile file is refused with a
// message naming its field while nothing in force changes.
#include "scenario/scenario_format.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>

#include "scenario/scenario_file.h"
#include "support/odd_numbers.h"
#include "support/scripted_user_interface.h"

namespace morvane {
namespace {

// Every value differs from its default; reals that no decimal text holds exactly.
Scenario Changed() {
  Scenario s;
  ScenarioInputs& in = s.inputs;
  in.MeanDemand = 10.3L;
  in.DemandAmplitude = Real{1} / 3;
  in.CyclesPerDay = 3;
  in.DemandShift = 17.25L;
  in.BlockDemand = true;
  in.BlockMinutes = 45;
  in.BaseServers = 9;
  in.ServiceRate = 3.7L;
  in.ServiceLevelSeconds = 30;
  in.ServiceLevelTarget = 90.5L;
  in.PatienceSeconds = 150;
  in.DelayCost = 20.1L;
  in.FullTimeCost = 150;
  in.PartTimeCost = 160;  // above the full-time cost, as a later change of it may leave it
  in.TimeStepSeconds = 30;
  in.MaxIterations = 25;
  in.MaxPercentChange = 0.05L;
  in.MaxStates = 120;
  DemandForecast forecast{"week \"49\".csv", 60, std::vector<Real>(24, 12.5L)};
  forecast.Rates[9] = Real{70} / 3;
  in.Forecast = forecast;
  s.loadedForecast = forecast;
  s.CriticalPWait = 0.15L;
  ScenarioPlan plan;
  plan.DutyTemplate[PartTime][20] = 1;
  plan.FullTimeWraps = false;
  plan.StartTimes[FullTime][4] = 3;
  plan.StartTimes[PartTime][95] = 2;
  s.plan = plan;
  GASettings& ga = s.ga;
  ga.MaxCost = 2500.5L;
  ga.RandomSeed = -42;
  ga.PopulationSize = 40;
  ga.MaxGenerations = 300;
  ga.MaxGenNoChange = 50;
  ga.NumberToImport = 6;
  ga.NumberToCarryOver = 7;
  ga.FullTimeBias = 0.7L;
  ga.StartInterval = 4;
  ga.FirstObjectiveIndex = kObjectiveService;
  ga.SecondObjectiveIndex = 0;
  ga.ImproveBest = ga.ImproveCarryOver = true;
  ga.ImproveLast = ga.AllowSwap = false;
  ga.Threads = 3;
  ga.Evaluation = Precision::Double;
  return s;
}

// The text with the first `from` replaced by `to`.
std::string Edited(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(ScenarioFormat, EveryValueSurvivesSavingAndOpeningAndSavingAgainIsByteIdentical) {
  Scenario labour = Changed();
  labour.ga.FirstObjectiveIndex = kObjectiveLabour;
  EXPECT_NE(ScenarioText(labour).find("\"FirstObjective\": \"LaborCost\""), std::string::npos);
  for (const Scenario& scenario : {Scenario{}, Changed(), labour}) {
    const std::string text = ScenarioText(scenario);
    const ScenarioParse parse = ParseScenario(text);
    ASSERT_TRUE(parse.scenario) << parse.fault;
    EXPECT_EQ(*parse.scenario, scenario);
    EXPECT_EQ(ScenarioText(*parse.scenario), text);
  }
  // A forecast loaded but not in force is kept too; then the sine drives the day.
  Scenario standby = Changed();
  standby.inputs.Forecast.reset();
  EXPECT_EQ(*ParseScenario(ScenarioText(standby)).scenario, standby);
}

TEST(ScenarioFormat, APlanGoesIntoTheModelAndComesBackOut) {
  const Scenario scenario = Changed();
  Model model;
  GASettings ga;
  ApplyScenario(scenario, model, ga);
  EXPECT_FALSE(model.flags.UseBaseServers);
  EXPECT_EQ(model.staffing.FullTimeCount, 3);
  EXPECT_EQ(model.staffing.OnDutyByPeriod[OnDutyTotal][30], 3);
  EXPECT_EQ(CurrentScenario(model, ga, std::nullopt), scenario);
  // The default scenario is the base staffing again, with the first templates.
  ApplyScenario(Scenario{}, model, ga);
  EXPECT_TRUE(model.flags.UseBaseServers);
  EXPECT_EQ(model.staffing.ServersOnDuty[700], 6);
  EXPECT_EQ(CurrentScenario(model, ga, std::nullopt), Scenario{});
}

TEST(ScenarioFormat, FieldsAddedAfterTheFirstFormatTakeTheirDefaults) {
  const std::string minimal =
      R"({"format": 1, "comment": "notes are welcome", "inputs": {"MeanDemand": 12,
      "DemandAmplitude": 4.5, "CyclesPerDay": 1, "DemandShift": 0, "BlockDemand": false,
      "BlockMinutes": 60, "BaseServers": 6, "ServiceRate": 2.5, "DelayCost": 12,
      "FullTimeCost": 125, "PartTimeCost": 70, "TimeStepSeconds": 60, "MaxIterations": 10,
      "MaxPercentChange": 0.1, "MaxStates": 100, "CriticalPWait": 0.2},
      "ga": {"MaxCost": 0, "RandomSeed": 1, "PopulationSize": 25, "MaxGenerations": 100,
      "MaxGenNoChange": 100, "NumberToImport": 4, "NumberToCarryOver": 5, "FullTimeBias": 0.9,
      "StartInterval": 1, "ImproveBest": false, "ImproveCarryOver": false, "ImproveLast": true,
      "AllowSwap": true, "FirstObjective": "TotalCost", "SecondObjective": "None"}})";
  const ScenarioParse parse = ParseScenario(minimal);
  ASSERT_TRUE(parse.scenario) << parse.fault;
  Scenario expected;
  expected.inputs.MeanDemand = 12;
  expected.ga.RandomSeed = 1;
  EXPECT_EQ(*parse.scenario, expected);
}

// Nearly the largest file opened: an object of 80000 members.
std::string HugeObject() {
  std::string text = "{\"format\": 1";
  for (int i = 0; i < 80000; ++i) text += ", \"m" + std::to_string(i) + "\": 0";
  return text + "}";
}

TEST(ScenarioFormat, ABadFileIsRefusedWithItsField) {
  const std::string good = ScenarioText(Changed());
  const std::pair<std::string, std::string> cases[] = {
      {Edited(good, "\"format\": 1", "\"format\": 2"), "format: format 2 is unknown"},
      {Edited(good, "\"format\": 1,", ""), "format: the field is missing"},
      {Edited(good, "\"MeanDemand\": 10.3,", ""), "inputs.MeanDemand: the field is missing"},
      {Edited(good, "\"MeanDemand\": 10.3", "\"MeanDemand\": 100.5"),
       "inputs.MeanDemand: Invalid Parameter Value.  Must have 1.00 <= X <= 100.00"},
      {Edited(good, "\"PatienceSeconds\": 150", "\"PatienceSeconds\": 36001"),
       "inputs.PatienceSeconds: Invalid Parameter Value.  Must have 0 <= X <= 36000"},
      {Edited(good, "\"BaseServers\": 9", "\"BaseServers\": 9.5"),
       "inputs.BaseServers: a whole number is needed"},
      {Edited(good, "\"BaseServers\": 9", "\"BaseServers\": 99999999999999999999"),
       "inputs.BaseServers: 99999999999999999999 is too large"},
      {Edited(good, "\"DelayCost\": 20.1", "\"DelayCost\": 1e99999"),
       "inputs.DelayCost: 1e99999 is beyond the numbers"},
      {Edited(good, "\"BlockDemand\": true", "\"BlockDemand\": \"yes\""),
       "inputs.BlockDemand: true or false is needed, not a text in quotes"},
      {Edited(good, "\"MaxStates\"", "\"MaxState\""), "inputs.MaxState: Morvane knows no such"},
      {Edited(good, "\"IntervalMinutes\": 60", "\"IntervalMinutes\": 30"),
       "demand.forecast.Rates: 48 values are needed, not 24"},
      {Edited(good, "\"source\": \"forecast\"", "\"source\": \"file\""), "demand.source"},
      {Edited(good, "\"FullTimeTemplate\": [1", "\"FullTimeTemplate\": [0"),
       "plan.FullTimeTemplate: First period must be ON DUTY"},
      {Edited(good, "\"FullTimeStarts\": [0", "\"FullTimeStarts\": [2147483647"), "plan: "},
      {Edited(good, "\"SecondObjective\": \"TotalCost\"",
              "\"SecondObjective\": \"MinutesBelowServiceTarget\""),
       "ga.SecondObjective: Objective 2 cannot be the same"},
      {Edited(good, "\"SecondObjective\": \"TotalCost\"", "\"SecondObjective\": \"LaborCost\""),
       "ga.SecondObjective: \"LaborCost\" is not an objective of the second group"},
      {Edited(good, "\"NumberToImport\": 6", "\"NumberToImport\": 39"),
       "ga.NumberToImport: Invalid Parameter Value.  Must have 0 <= X <= 38"},
      {Edited(good, "\"StartInterval\": 4", "\"StartInterval\": 5"), "ga.StartInterval"},
      {Edited(good, "\"Evaluation\": \"double\"", "\"Evaluation\": \"single\""), "ga.Evaluation"},
      {"[1, 2]", "an object {...} is needed, not a list [...]"},
      {"{\"format\": 1, \"format\": 1}", "not JSON text: line 1, column 23: the member"},
      {std::string(100, '[') + std::string(100, ']'), "nested deeper than 32 levels"},
      {good + "}", "text follows the end of the value"},
      {HugeObject(), ": Morvane knows no such field"},
      // The file's bytes are escaped in the message: Latin-1, a control decoded from JSON.
      {"{\"format\": 1, \"inputs\": {\"Caf\xE9\\u001b\": 1}}",
       "inputs.Caf\\xE9\\x1B: Morvane knows no such field"},
  };
  for (const auto& [text, fault] : cases) {
    const ScenarioParse parse = ParseScenario(text);
    EXPECT_FALSE(parse.scenario) << fault;
    EXPECT_NE(parse.fault.find(fault), std::string::npos) << parse.fault << "\n  wanted: " << fault;
  }
}

// Random bytes, every truncation and random mutations of a valid file: each is
// refused with a message, or read as a scenario that saves and opens again.
TEST(ScenarioFormat, FuzzedTextsAreRefusedOrReadSoundly) {
  const std::string good = ScenarioText(Changed());
  std::mt19937 random(2026);
  std::vector<std::string> texts;
  for (std::size_t cut = 0; cut < good.size(); cut += 7) texts.push_back(good.substr(0, cut));
  for (int i = 0; i < 3000; ++i) {
    std::string text = good;
    for (int flips = 1 + static_cast<int>(random() % 4); flips > 0; --flips)
      text[random() % text.size()] = static_cast<char>(random() % 256);
    texts.push_back(text);
  }
  // One number of the file replaced by an odd one: each is refused or held soundly.
  const std::regex number(R"(-?[0-9][0-9.eE+-]*)");
  const std::vector<std::smatch> numbers(
      std::sregex_iterator(good.begin(), good.end(), number), std::sregex_iterator());
  for (int i = 0; i < 600; ++i) {
    const std::smatch& at = numbers[random() % numbers.size()];
    const auto from = static_cast<std::size_t>(at.position());
    texts.push_back(good.substr(0, from) + testing::OddNumber(random) +
                    good.substr(from + static_cast<std::size_t>(at.length())));
  }
  for (int i = 0; i < 600; ++i) {  // random bytes, and random JSON-like characters
    std::string text(random() % 400, '\0');
    for (char& c : text)
      c = i % 2 ? static_cast<char>(random() % 256)
                : "{}[]\":,0123456789.eE-+tfnul \\\x01\xff"[random() % 32];
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    const ScenarioParse parse = ParseScenario(text);
    if (!parse.scenario) {
      EXPECT_FALSE(parse.fault.empty());
      continue;
    }
    const ScenarioParse again = ParseScenario(ScenarioText(*parse.scenario));
    ASSERT_TRUE(again.scenario) << again.fault;
    EXPECT_EQ(*again.scenario, *parse.scenario);
  }
}

TEST(ScenarioFile, OversizedMissingAndUnwritableFilesAreToldAndNothingIsRead) {
  testing::ScriptedUserInterface ui;
  ui.allowMessages();
  const auto folder = std::filesystem::temp_directory_path() / "morvane_scenario_file_test";
  std::filesystem::create_directories(folder);
  const std::string huge = (folder / "huge.morvane").string();
  { std::ofstream{huge}; }
  std::filesystem::resize_file(huge, 100u << 20);  // 100 MB, sparse
  EXPECT_FALSE(ReadScenarioFile(huge, ui));
  EXPECT_FALSE(ReadScenarioFile((folder / "none.morvane").string(), ui));
  EXPECT_FALSE(WriteScenarioFile(Changed(), (folder / "no" / "such.morvane").string(), ui));
  const std::string kept = (folder / "kept.morvane").string();
  ASSERT_TRUE(WriteScenarioFile(Changed(), kept, ui));
  EXPECT_EQ(ReadScenarioFile(kept, ui), Changed());
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0],
            "File <huge.morvane> was not opened:\rthe file is over 1 MB; a scenario is a few "
            "kilobytes.\rThe scenario in force is unchanged.");
  EXPECT_NE(ui.messages[1].find("No such file or directory"), std::string::npos);
  EXPECT_NE(ui.messages[2].find("could not be written"), std::string::npos);
  std::filesystem::remove_all(folder);
}

TEST(ScenarioFile, TheAnnotatedExampleOpensWithItsForecastAndPlan) {
  const ScenarioParse example = LoadScenarioFile(MORVANE_EXAMPLES_DIR "/contact_centre_day.morvane");
  ASSERT_TRUE(example.scenario) << example.fault;
  const ScenarioInputs& in = example.scenario->inputs;
  ASSERT_TRUE(in.Forecast);
  EXPECT_EQ(in.Forecast->FileName, "contact_centre_day.csv");
  EXPECT_EQ(in.Forecast->Rates.size(), 48u);
  EXPECT_EQ(in.Forecast->peak(), 70);
  Model model;
  GASettings ga;
  ApplyScenario(*example.scenario, model, ga);
  EXPECT_EQ(model.staffing.FullTimeCount, 20);
  EXPECT_EQ(model.staffing.PartTimeCount, 5);
  // Its patient variant is the same scenario with callers who hang up after two minutes.
  const ScenarioParse patient =
      LoadScenarioFile(MORVANE_EXAMPLES_DIR "/contact_centre_day_patient.morvane");
  ASSERT_TRUE(patient.scenario) << patient.fault;
  Scenario expected = *example.scenario;
  expected.inputs.PatienceSeconds = 120;
  EXPECT_EQ(*patient.scenario, expected);
}

}  // namespace
}  // namespace morvane
