#include "scenario/scenario_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <variant>
#include <vector>

#include "base/escaped_text.h"
#include "base/exact_text.h"
#include "base/json_value.h"
#include "base/precision_word.h"
#include "engine/entry_check.h"
#include "engine/steady_state.h"
#include "staffing/schedule_plan.h"

namespace morvane {
namespace {

using Kind = JsonValue::Kind;

// One number or flag of a section: its member, its inclusive range and whether
// a file may lack it (a field added after the first format takes its default).
template <typename Struct>
struct Field {
  const char* name;
  std::variant<Real Struct::*, std::int32_t Struct::*, bool Struct::*> member;
  Real low = 0;
  Real high = 0;
  bool optional = false;
};

// The bounds that follow another input in a box (the amplitude's, the part-time
// cost's) are the widest that input allows here: a value the windows let stand
// after that input changed must open again.
using R = InputRanges;
const std::vector<Field<ScenarioInputs>> kInputFields{
    {"MeanDemand", &ScenarioInputs::MeanDemand, R::kMeanDemandLow, R::kMeanDemandHigh},
    {"DemandAmplitude", &ScenarioInputs::DemandAmplitude, 0, R::kMeanDemandHigh},
    {"CyclesPerDay", &ScenarioInputs::CyclesPerDay, R::kCyclesLow, R::kCyclesHigh},
    {"DemandShift", &ScenarioInputs::DemandShift, R::kShiftLow, R::kShiftHigh},
    {"BlockDemand", &ScenarioInputs::BlockDemand},
    {"BlockMinutes", &ScenarioInputs::BlockMinutes, R::kBlockMinutesLow, R::kBlockMinutesHigh},
    {"BaseServers", &ScenarioInputs::BaseServers, R::kServersLow, R::kServersHigh},
    {"ServiceRate", &ScenarioInputs::ServiceRate, R::kServiceRateLow, R::kServiceRateHigh},
    {"ServiceLevelSeconds", &ScenarioInputs::ServiceLevelSeconds, R::kServiceSecondsLow,
     R::kServiceSecondsHigh, true},
    {"ServiceLevelTarget", &ScenarioInputs::ServiceLevelTarget, R::kServiceTargetLow,
     R::kServiceTargetHigh, true},
    {"PatienceSeconds", &ScenarioInputs::PatienceSeconds, R::kPatienceLow, R::kPatienceHigh,
     true},
    {"DelayCost", &ScenarioInputs::DelayCost, R::kDelayCostLow, R::kDelayCostHigh},
    {"FullTimeCost", &ScenarioInputs::FullTimeCost, R::kFullTimeCostLow, R::kFullTimeCostHigh},
    {"PartTimeCost", &ScenarioInputs::PartTimeCost, 0, R::kFullTimeCostHigh},
    {"TimeStepSeconds", &ScenarioInputs::TimeStepSeconds, R::kTimeStepLow, R::kTimeStepHigh},
    {"MaxIterations", &ScenarioInputs::MaxIterations, R::kIterationsLow, R::kIterationsHigh},
    {"MaxPercentChange", &ScenarioInputs::MaxPercentChange, R::kPercentChangeLow,
     R::kPercentChangeHigh},
    {"MaxStates", &ScenarioInputs::MaxStates, R::kMaxStatesLow, R::kMaxStatesHigh},
};

const std::vector<Field<Scenario>> kScenarioFields{
    {"CriticalPWait", &Scenario::CriticalPWait, GASettingRanges::kCriticalPWaitLow,
     GASettingRanges::kCriticalPWaitHigh}};

// The population bounds of the blocks and the generations without change
// follow other settings; they are checked after the section is read.
using G = GASettingRanges;
const std::vector<Field<GASettings>> kGAFields{
    {"MaxCost", &GASettings::MaxCost, 0, 1e18L},
    {"RandomSeed", &GASettings::RandomSeed, G::kSeedLow, G::kSeedHigh},
    {"PopulationSize", &GASettings::PopulationSize, G::kPopulationLow, G::kPopulationHigh},
    {"MaxGenerations", &GASettings::MaxGenerations, G::kGenerationsLow, G::kGenerationsHigh},
    {"MaxGenNoChange", &GASettings::MaxGenNoChange, G::kNoChangeLow, G::kGenerationsHigh},
    {"NumberToImport", &GASettings::NumberToImport, 0, G::kPopulationHigh},
    {"NumberToCarryOver", &GASettings::NumberToCarryOver, 0, G::kPopulationHigh},
    {"FullTimeBias", &GASettings::FullTimeBias, G::kBiasLow, G::kBiasHigh},
    {"StartInterval", &GASettings::StartInterval, 1, kPeriods},
    {"ImproveBest", &GASettings::ImproveBest},
    {"ImproveCarryOver", &GASettings::ImproveCarryOver},
    {"ImproveLast", &GASettings::ImproveLast},
    {"AllowSwap", &GASettings::AllowSwap},
    {"Threads", &GASettings::Threads, 0, G::kThreadsHigh, true},
};

// The objectives by number, as the file names them.
const char* const kObjectiveWords[] = {"TotalCost", "MaxPWait", "MinutesOverLimit", "None",
                                       "MinutesBelowServiceTarget", "LaborCost",
                                       "Abandonment"};

const char* const kSections[] = {"format", "inputs", "demand", "plan", "ga"};

// ---------------------------------------------------------------- writing

class Writer {
 public:
  static constexpr std::size_t kValuesPerLine = 24;

  void open(const std::string& name) {
    line(name.empty() ? "{" : JsonString(name) + ": {");
    ++depth_;
    first_ = true;
  }
  void close() {
    --depth_;
    text_ += '\n';
    indent();
    text_ += '}';
    first_ = false;
  }
  void value(const std::string& name, const std::string& value) {
    line(JsonString(name) + ": " + value);
  }
  // Long lists run on over lines of 24 values: six hours of a day's periods.
  template <typename Counts>
  void list(const std::string& name, const Counts& counts) {
    const std::string breakLine = ",\n" + std::string(2 * static_cast<std::size_t>(depth_) + 2, ' ');
    std::string items;
    for (std::size_t i = 0; i < std::size(counts); ++i)
      items += (i == 0 ? "" : i % kValuesPerLine ? ", " : breakLine) + Text(counts[i]);
    value(name, "[" + items + "]");
  }
  template <typename Struct>
  void fields(const std::vector<Field<Struct>>& table, const Struct& values) {
    for (const Field<Struct>& field : table)
      std::visit([&](auto member) { value(field.name, Text(values.*member)); }, field.member);
  }
  std::string text() const { return text_ + "\n"; }

 private:
  static std::string Text(Real number) { return ShortestText(number); }
  static std::string Text(std::int32_t number) { return std::to_string(number); }
  static std::string Text(bool flag) { return flag ? "true" : "false"; }

  void line(const std::string& text) {
    if (depth_ > 0) text_ += first_ ? "\n" : ",\n";
    indent();
    text_ += text;
    first_ = false;
  }

  void indent() { text_.append(2 * static_cast<std::size_t>(depth_), ' '); }

  std::string text_;
  int depth_ = 0;
  bool first_ = true;
};

void WriteDemand(Writer& out, const Scenario& scenario) {
  out.open("demand");
  out.value("source", JsonString(scenario.inputs.Forecast ? "forecast" : "sine"));
  if (const auto& forecast = scenario.loadedForecast) {
    out.open("forecast");
    out.value("FileName", JsonString(forecast->FileName));
    out.value("IntervalMinutes", std::to_string(forecast->IntervalMinutes));
    out.list("Rates", forecast->Rates);
    out.close();
  }
  out.close();
}

void WritePlan(Writer& out, const ScenarioPlan& plan) {
  out.open("plan");
  out.list("FullTimeTemplate", plan.DutyTemplate[FullTime]);
  out.value("FullTimeWraps", plan.FullTimeWraps ? "true" : "false");
  out.list("PartTimeTemplate", plan.DutyTemplate[PartTime]);
  out.value("PartTimeWraps", plan.PartTimeWraps ? "true" : "false");
  out.list("FullTimeStarts", plan.StartTimes[FullTime]);
  out.list("PartTimeStarts", plan.StartTimes[PartTime]);
  out.close();
}

void WriteGA(Writer& out, const GASettings& ga) {
  out.open("ga");
  out.fields(kGAFields, ga);
  out.value("FirstObjective", JsonString(kObjectiveWords[ga.FirstObjectiveIndex]));
  out.value("SecondObjective", JsonString(kObjectiveWords[ga.SecondObjectiveIndex]));
  out.value("Evaluation", JsonString(PrecisionWord(ga.Evaluation)));
  out.close();
}

// ---------------------------------------------------------------- reading

// Reads the sections of a parsed file into a scenario that starts at the
// defaults; the first fault found ends the reading.
class Reader {
 public:
  std::optional<Scenario> read(const JsonValue& root) {
    Scenario scenario;
    if (!expect(root, "", Kind::Object) || !readFormat(root) || !known(root, "", kSections))
      return std::nullopt;
    const JsonValue* inputs = section(root, "inputs", true);
    if (!inputs || !knownFields(*inputs, "inputs", kInputFields, kScenarioFields) ||
        !fields(*inputs, "inputs", kInputFields, scenario.inputs) ||
        !fields(*inputs, "inputs", kScenarioFields, scenario))
      return std::nullopt;
    if (!readDemand(root, scenario) || !readPlan(root, scenario) || !readGA(root, scenario.ga))
      return std::nullopt;
    return scenario;
  }

  const std::string& fault() const { return fault_; }

 private:
  bool fail(const std::string& path, const std::string& reason) {
    fault_ = (path.empty() ? "" : path + ": ") + reason;
    return false;
  }

  static std::string Path(const std::string& parent, const std::string& name) {
    return parent.empty() ? name : parent + "." + name;
  }

  bool expect(const JsonValue& value, const std::string& path, Kind kind) {
    if (value.kind == kind) return true;
    return fail(path, KindName(kind) + " is needed, not " + KindName(value.kind));
  }

  bool readFormat(const JsonValue& root) {
    const JsonValue* format = root.member("format");
    if (!format) return fail("format", "the field is missing: this is not a Morvane scenario");
    std::int32_t number = 0;
    if (!integer(*format, "format", number)) return false;
    if (number < 1 || number > kScenarioFormat)
      return fail("format", "format " + format->text + " is unknown to this version of Morvane, "
                            "which reads formats 1 to " + std::to_string(kScenarioFormat));
    return true;
  }

  // Members a section does not define are refused (a misspelt name would
  // otherwise be lost without a word), except "comment", kept for notes.
  template <typename Names>
  bool known(const JsonValue& object, const std::string& path, const Names& names) {
    for (const auto& [name, value] : object.members) {
      bool found = name == "comment";
      for (const auto& known : names) found = found || name == known;
      if (!found) return fail(Path(path, name), "Morvane knows no such field");
    }
    return true;
  }

  template <typename... Tables>
  bool knownFields(const JsonValue& object, const std::string& path, const Tables&... tables) {
    std::vector<std::string> names;
    (..., [&] { for (const auto& field : tables) names.push_back(field.name); }());
    return known(object, path, names);
  }

  const JsonValue* required(const JsonValue& object, const std::string& path, const char* name) {
    const JsonValue* value = object.member(name);
    if (!value) fail(Path(path, name), "the field is missing");
    return value;
  }

  const JsonValue* section(const JsonValue& root, const char* name, bool required) {
    const JsonValue* value = root.member(name);
    if (!value) {
      if (required) fail(name, "the field is missing");
      return nullptr;
    }
    return expect(*value, name, Kind::Object) ? value : nullptr;
  }

  bool integer(const JsonValue& value, const std::string& path, std::int32_t& out) {
    if (!expect(value, path, Kind::Number)) return false;
    const std::string& text = value.text;
    if (text.find_first_of(".eE") != std::string::npos)
      return fail(path, "a whole number is needed, not " + text);
    const auto end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, out);
    if (error != std::errc() || ptr != end) return fail(path, text + " is too large");
    return true;
  }

  bool real(const JsonValue& value, const std::string& path, Real& out) {
    if (!expect(value, path, Kind::Number)) return false;
    const std::string& text = value.text;
    const auto end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, out);
    if (error != std::errc() || ptr != end || !std::isfinite(out))
      return fail(path, text + " is beyond the numbers Morvane holds");
    return true;
  }

  bool read(const JsonValue& value, const std::string& path, Real& out, Real low, Real high) {
    Real number = 0;
    if (!real(value, path, number)) return false;
    if (number < low || number > high) return fail(path, RangeMessage(low, high));
    out = number;
    return true;
  }

  bool read(const JsonValue& value, const std::string& path, std::int32_t& out, Real low,
            Real high) {
    std::int32_t number = 0;
    if (!integer(value, path, number)) return false;
    const auto lowest = static_cast<std::int32_t>(low), highest = static_cast<std::int32_t>(high);
    if (number < lowest || number > highest) return fail(path, RangeMessage(lowest, highest));
    out = number;
    return true;
  }

  bool read(const JsonValue& value, const std::string& path, bool& out, Real, Real) {
    if (!expect(value, path, Kind::Boolean)) return false;
    out = value.boolean;
    return true;
  }

  template <typename Struct>
  bool fields(const JsonValue& object, const std::string& path,
              const std::vector<Field<Struct>>& table, Struct& values) {
    for (const Field<Struct>& field : table) {
      if (field.optional && !object.member(field.name)) continue;
      const JsonValue* value = required(object, path, field.name);
      if (!value) return false;
      const bool ok = std::visit(
          [&](auto member) {
            return read(*value, Path(path, field.name), values.*member, field.low, field.high);
          },
          field.member);
      if (!ok) return false;
    }
    return true;
  }

  bool word(const JsonValue& object, const std::string& path, const char* name,
            std::string& out, bool needed) {
    if (!needed && !object.member(name)) return true;
    const JsonValue* value = required(object, path, name);
    if (!value) return false;
    if (!expect(*value, Path(path, name), Kind::String)) return false;
    out = value->text;
    return true;
  }

  template <typename Counts>
  bool counts(const JsonValue& object, const std::string& path, const char* name, Counts& out,
              std::size_t size, Real low, Real high) {
    const std::string where = Path(path, name);
    const JsonValue* list = required(object, path, name);
    if (!list) return false;
    if (!expect(*list, where, Kind::Array)) return false;
    if (list->items.size() != size)
      return fail(where, std::to_string(size) + " values are needed, not " +
                             std::to_string(list->items.size()));
    out.resize(size);
    for (std::size_t i = 0; i < size; ++i)
      if (!read(list->items[i], where + "[" + std::to_string(i) + "]", out[i], low, high))
        return false;
    return true;
  }

  bool readForecast(const JsonValue& demand, DemandForecast& forecast) {
    const std::string path = "demand.forecast";
    const JsonValue* object = required(demand, "demand", "forecast");
    if (!object || !expect(*object, path, Kind::Object) ||
        !known(*object, path, std::vector<std::string>{"FileName", "IntervalMinutes", "Rates"}) ||
        !word(*object, path, "FileName", forecast.FileName, true))
      return false;
    const JsonValue* interval = required(*object, path, "IntervalMinutes");
    if (!interval || !read(*interval, path + ".IntervalMinutes", forecast.IntervalMinutes, 1,
                           kMinutesPerDay))
      return false;
    if (!IsForecastInterval(forecast.IntervalMinutes))
      return fail(path + ".IntervalMinutes", "use 1, 5, 10, 15, 20, 30 or 60");
    return counts(*object, path, "Rates", forecast.Rates,
                  static_cast<std::size_t>(kMinutesPerDay / forecast.IntervalMinutes), 0,
                  kHighestServedRate);
  }

  bool readDemand(const JsonValue& root, Scenario& scenario) {
    const JsonValue* demand = section(root, "demand", false);
    if (!demand) return fault_.empty();
    std::string source = "sine";
    if (!known(*demand, "demand", std::vector<std::string>{"source", "forecast"}) ||
        !word(*demand, "demand", "source", source, true))
      return false;
    if (source != "sine" && source != "forecast")
      return fail("demand.source", "\"sine\" or \"forecast\" is needed, not \"" + source + "\"");
    if (demand->member("forecast") || source == "forecast") {
      DemandForecast forecast;
      if (!readForecast(*demand, forecast)) return false;
      scenario.loadedForecast = forecast;
      if (source == "forecast") scenario.inputs.Forecast = forecast;
    }
    return true;
  }

  bool readTemplate(const JsonValue& plan, const char* name, PeriodCounts& out) {
    std::vector<std::int32_t> items;
    if (!counts(plan, "plan", name, items, kPeriods, 0, 1)) return false;
    std::copy(items.begin(), items.end(), out.begin());
    if (out[0] != 1) return fail(Path("plan", name), "First period must be ON DUTY");
    return true;
  }

  bool readStarts(const JsonValue& plan, const char* name, PeriodCounts& out) {
    std::vector<std::int32_t> items;
    if (!counts(plan, "plan", name, items, kPeriods, 0, std::numeric_limits<std::int32_t>::max()))
      return false;
    std::copy(items.begin(), items.end(), out.begin());
    return true;
  }

  bool readPlan(const JsonValue& root, Scenario& scenario) {
    const JsonValue* object = section(root, "plan", false);
    if (!object) return fault_.empty();
    ScenarioPlan plan;
    if (!known(*object, "plan",
               std::vector<std::string>{"FullTimeTemplate", "FullTimeWraps", "PartTimeTemplate",
                                        "PartTimeWraps", "FullTimeStarts", "PartTimeStarts"}))
      return false;
    const auto flag = [&](const char* name, bool& out) {
      const JsonValue* value = required(*object, "plan", name);
      return value && read(*value, Path("plan", name), out, 0, 0);
    };
    if (!readTemplate(*object, "FullTimeTemplate", plan.DutyTemplate[FullTime]) ||
        !flag("FullTimeWraps", plan.FullTimeWraps) ||
        !readTemplate(*object, "PartTimeTemplate", plan.DutyTemplate[PartTime]) ||
        !flag("PartTimeWraps", plan.PartTimeWraps) ||
        !readStarts(*object, "FullTimeStarts", plan.StartTimes[FullTime]) ||
        !readStarts(*object, "PartTimeStarts", plan.StartTimes[PartTime]))
      return false;
    StaffingState staff;
    PutPlan(plan, staff);
    if (const auto refusal = OnDutyRefusal(staff)) return fail("plan", *refusal);
    scenario.plan = plan;
    return true;
  }

  // "None" is a second objective only, "LaborCost" a first one only.
  bool objective(const JsonValue& ga, const char* name, std::int32_t& out, bool second) {
    std::string text = kObjectiveWords[out];
    if (!word(ga, "ga", name, text, true)) return false;
    const std::int32_t barred = second ? kObjectiveLabour : kObjectiveNone;
    for (std::int32_t item = 0; item < static_cast<std::int32_t>(std::size(kObjectiveWords)); ++item)
      if (text == kObjectiveWords[item] && item != barred) {
        out = item;
        return true;
      }
    return fail(Path("ga", name), "\"" + text + "\" is not an objective" +
                                      (second ? " of the second group" : " of the first group"));
  }

  bool readGA(const JsonValue& root, GASettings& ga) {
    const JsonValue* object = section(root, "ga", false);
    if (!object) return fault_.empty();
    std::string evaluation = PrecisionWord(ga.Evaluation);
    std::vector<std::string> names{"FirstObjective", "SecondObjective", "Evaluation"};
    for (const auto& field : kGAFields) names.push_back(field.name);
    if (!known(*object, "ga", names) || !fields(*object, "ga", kGAFields, ga) ||
        !objective(*object, "FirstObjective", ga.FirstObjectiveIndex, false) ||
        !objective(*object, "SecondObjective", ga.SecondObjectiveIndex, true) ||
        !word(*object, "ga", "Evaluation", evaluation, false))
      return false;
    if (ga.twoObjectives() && ga.FirstObjectiveIndex == ga.SecondObjectiveIndex)
      return fail("ga.SecondObjective", "Objective 2 cannot be the same as objective 1");
    if (!ItemOfStartInterval(ga.StartInterval))
      return fail("ga.StartInterval", "use 1, 2, 4, 6, 8, 12, 16, 24, 32 or 48 periods");
    const auto precision = PrecisionOfWord(evaluation);
    if (!precision) return fail("ga.Evaluation", "\"extended\" or \"double\" is needed");
    ga.Evaluation = *precision;
    return related(ga);
  }

  // The settings whose ranges follow other settings.
  bool related(const GASettings& ga) {
    const std::int32_t noChangeHigh = std::max(ga.MaxGenerations, G::kNoChangeLow);
    if (ga.MaxGenNoChange > noChangeHigh)
      return fail("ga.MaxGenNoChange", RangeMessage(G::kNoChangeLow, noChangeHigh));
    const std::int32_t blockHigh = ga.PopulationSize - 2;
    if (ga.NumberToImport > blockHigh) return fail("ga.NumberToImport", RangeMessage(0, blockHigh));
    if (ga.NumberToCarryOver > blockHigh)
      return fail("ga.NumberToCarryOver", RangeMessage(0, blockHigh));
    return true;
  }

  std::string fault_;
};

}  // namespace

std::string ScenarioText(const Scenario& scenario) {
  Writer out;
  out.open("");
  out.value("format", std::to_string(kScenarioFormat));
  out.open("inputs");
  out.fields(kInputFields, scenario.inputs);
  out.fields(kScenarioFields, scenario);
  out.close();
  WriteDemand(out, scenario);
  if (scenario.plan) WritePlan(out, *scenario.plan);
  WriteGA(out, scenario.ga);
  out.close();
  return out.text();
}

// Faults quote names and values of the file: they are escaped for the message.
ScenarioParse ParseScenario(std::string_view text) {
  const JsonParse json = ParseJson(text);
  if (!json.value) return {std::nullopt, "not JSON text: " + EscapedText(json.fault)};
  Reader reader;
  std::optional<Scenario> scenario = reader.read(*json.value);
  return {std::move(scenario), EscapedText(reader.fault())};
}

}  // namespace morvane
