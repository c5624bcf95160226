#include "engine/forecast_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <vector>

#include "base/escaped_text.h"
#include "base/number_format.h"
#include "base/read_file.h"
#include "engine/steady_state.h"

namespace morvane {
namespace {

constexpr std::int32_t kDayMinutes = 24 * 60;

struct Line {
  std::int64_t number;
  std::string_view text;
};

std::string Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

// Splits one line at `separator` outside quotes; a quoted field's "" is one quote.
std::vector<std::string> Fields(std::string_view line, char separator) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      field += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == separator && !quoted) {
      fields.push_back(Trimmed(field));
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(Trimmed(field));
  return fields;
}

// The lines of the text without the byte-order mark, CRs and blank lines at the end.
std::vector<Line> Lines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<Line> lines;
  std::int64_t number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back({++number, line});
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  while (!lines.empty() && Trimmed(lines.back().text).empty()) lines.pop_back();
  return lines;
}

// Bytes no text file holds: NUL and the other control characters but tab, CR and LF.
bool IsBinary(unsigned char c) { return c < 0x20 && c != '\t' && c != '\r' && c != '\n'; }

char SeparatorOf(std::string_view header) {
  const auto count = [&](char c) { return std::count(header.begin(), header.end(), c); };
  return count(';') > count(',') ? ';' : ',';
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::optional<std::int64_t> WholeNumber(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "HH:MM" or minutes after midnight, inside the day.
std::optional<std::int32_t> StartMinute(const std::string& text) {
  const std::size_t colon = text.find(':');
  std::optional<std::int64_t> minute;
  if (colon == std::string::npos) {
    minute = WholeNumber(text);
  } else if (text.size() - colon == 3 && colon >= 1 && colon <= 2) {
    const auto hours = WholeNumber(std::string_view(text).substr(0, colon));
    const auto minutes = WholeNumber(std::string_view(text).substr(colon + 1));
    if (hours && minutes && *minutes < 60 && *hours >= 0 && *minutes >= 0)
      minute = *hours * 60 + *minutes;
  }
  if (!minute || *minute < 0 || *minute >= kDayMinutes) return std::nullopt;
  return static_cast<std::int32_t>(*minute);
}

std::optional<double> Number(std::string text, char separator) {
  if (separator == ';') std::replace(text.begin(), text.end(), ',', '.');
  if (!text.empty() && text.front() == '+') text.erase(0, 1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  // Infinities, NaN and numbers too small to hold in full (subnormal) are refused.
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !(std::isnormal(value) || value == 0))
    return std::nullopt;
  return value;
}

std::string ClockText(std::int32_t minute) {
  const auto twoDigits = [](std::int32_t n) {
    return std::string(n < 10 ? "0" : "") + std::to_string(n);
  };
  return twoDigits(minute / 60) + ":" + twoDigits(minute % 60);
}

class ForecastReader {
 public:
  ForecastReader(std::string_view text, Real serviceRate)
      : lines_(Lines(text)), serviceRate_(serviceRate) {}

  ForecastParse read() {
    if (lines_.size() < 2) return fault(lines_.empty() ? 1 : 2, "", "there are no intervals");
    separator_ = SeparatorOf(lines_[0].text);
    if (auto header = readHeader()) return *header;
    for (std::size_t i = 1; i < lines_.size(); ++i)
      if (auto bad = readInterval(lines_[i])) return *bad;
    return finish();
  }

 private:
  ForecastParse fault(std::int64_t line, std::string column, std::string reason) {
    ForecastParse parse;
    parse.fault = ForecastFault{line, std::move(column), std::move(reason)};
    return parse;
  }

  std::optional<ForecastParse> readHeader() {
    const std::vector<std::string> names = Fields(lines_[0].text, separator_);
    for (std::size_t i = 0; i < names.size(); ++i) {
      const std::string name = Lower(names[i]);
      if (name == "start") startColumn_ = i;
      if (name == "calls" || name == "rate") {
        if (valueColumn_) return fault(1, name, "give either \"calls\" or \"rate\", not both");
        valueColumn_ = i;
        valueName_ = name;
      }
    }
    if (!startColumn_) return fault(1, "start", "the header has no \"start\" column");
    if (!valueColumn_)
      return fault(1, "calls", "the header has neither a \"calls\" nor a \"rate\" column");
    return std::nullopt;
  }

  std::optional<ForecastParse> readInterval(const Line& line) {
    const std::vector<std::string> fields = Fields(line.text, separator_);
    const auto field = [&](std::size_t column) {
      return column < fields.size() ? fields[column] : std::string();
    };
    const std::string startText = field(*startColumn_);
    if (startText.empty()) return fault(line.number, "start", "the start time is missing");
    const auto start = StartMinute(startText);
    if (!start)
      return fault(line.number, "start",
                   "\"" + startText + "\" is not a time of the day (HH:MM or minutes 0 to 1439)");
    if (auto bad = checkStart(line.number, *start)) return bad;
    const std::string valueText = field(*valueColumn_);
    if (valueText.empty()) return fault(line.number, valueName_, "the value is missing");
    const auto value = Number(valueText, separator_);
    if (!value) return fault(line.number, valueName_, "\"" + valueText + "\" is not a number");
    if (*value < 0) return fault(line.number, valueName_, valueText + " is negative");
    // Calls in an interval of at most an hour are at least as many per hour.
    if (*value > kHighestServedRate)
      return fault(line.number, valueName_,
                   valueText + " is more than any service rate Morvane offers can serve");
    values_.push_back(*value);
    return std::nullopt;
  }

  std::optional<ForecastParse> checkStart(std::int64_t line, std::int32_t start) {
    if (values_.empty()) {
      if (start != 0) return fault(line, "start", "the first interval starts at " +
                                                      ClockText(start) + ", not at 00:00");
      return std::nullopt;
    }
    if (values_.size() == 1) {
      interval_ = start;
      if (!IsForecastInterval(interval_))
        return fault(line, "start", "the intervals are " + std::to_string(interval_) +
                                        " minutes long; use 1, 5, 10, 15, 20, 30 or 60");
      return std::nullopt;
    }
    const auto expected = static_cast<std::int32_t>(values_.size()) * interval_;
    if (start != expected)
      return fault(line, "start",
                   "this interval starts at " + ClockText(start) + " but the one before ends at " +
                       ClockText(expected) + " (uneven intervals, a gap or an overlap)");
    return std::nullopt;
  }

  ForecastParse finish() {
    const std::int64_t last = lines_.back().number;
    if (values_.size() < 2)
      return fault(last, "start", "one interval cannot cover the day");
    const auto covered = static_cast<std::int32_t>(values_.size()) * interval_;
    if (covered != kDayMinutes)
      return fault(last, "start",
                   "the day is not covered: the last interval ends at " + ClockText(covered) +
                       ", not at 24:00");
    ForecastParse parse;
    parse.forecast.IntervalMinutes = interval_;
    const Real perHour = valueName_ == "calls" ? Real{60} / interval_ : Real{1};
    for (const double value : values_) parse.forecast.Rates.push_back(value * perHour);
    const auto peak = std::max_element(parse.forecast.Rates.begin(), parse.forecast.Rates.end());
    if (StableServers(0, *peak, serviceRate_) > kMaxRaisedServers)
      return fault(2 + (peak - parse.forecast.Rates.begin()), valueName_,
                   "the peak rate of " + GeneralText(*peak) + " per hour needs more than " +
                       std::to_string(kMaxRaisedServers) + " servers at a service rate of " +
                       GeneralText(serviceRate_) + " per hour, more than the model can hold");
    return parse;
  }

  std::vector<Line> lines_;
  char separator_ = ',';
  std::optional<std::size_t> startColumn_, valueColumn_;
  std::string valueName_;
  std::int32_t interval_ = 0;
  Real serviceRate_;
  std::vector<double> values_;
};

std::optional<std::int64_t> FirstBinaryLine(std::string_view text) {
  std::int64_t line = 1;
  for (const char c : text) {
    if (IsBinary(static_cast<unsigned char>(c))) return line;
    if (c == '\n') ++line;
  }
  return std::nullopt;
}

}  // namespace

ForecastParse ParseForecast(std::string_view text, Real serviceRate) {
  ForecastParse parse;
  if (text.size() > kForecastFileLimit)
    parse.fault = ForecastFault{0, "", "the file is over 1 MB; a forecast is a few kilobytes"};
  else if (const auto line = FirstBinaryLine(text))
    parse.fault = ForecastFault{*line, "", "this is not text (binary data)"};
  else
    parse = ForecastReader(text, serviceRate).read();
  return parse;
}

// The column and the reason may quote the file: they are escaped.
std::string ForecastFaultMessage(const std::string& name, const ForecastFault& fault) {
  std::string where = "File <" + name + ">";
  if (fault.line > 0) where += ", line " + std::to_string(fault.line);
  if (!fault.column.empty()) where += ", column \"" + EscapedText(fault.column) + "\"";
  return where + ": " + EscapedText(fault.reason) + ".\rThe demand in force is kept.";
}

std::optional<std::string> LoadForecastText(ScenarioInputs& inputs, std::string_view text,
                                            const std::string& name) {
  ForecastParse parse = ParseForecast(text, inputs.ServiceRate);
  if (parse.fault) return ForecastFaultMessage(name, *parse.fault);
  parse.forecast.FileName = name;
  inputs.Forecast = std::move(parse.forecast);
  return std::nullopt;
}

std::optional<std::string> LoadForecastFile(ScenarioInputs& inputs, const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  std::string failure;
  const auto text = ReadFileUpTo(path, kForecastFileLimit, failure);
  if (!text) return "File <" + name + "> could not be read.\rThe demand in force is kept.";
  return LoadForecastText(inputs, *text, name);
}

bool ReadForecastText(ScenarioInputs& inputs, std::string_view text, const std::string& name,
                      UserInterface& ui) {
  const auto refusal = LoadForecastText(inputs, text, name);
  if (refusal) ui.message(MessageKind::Error, *refusal);
  return !refusal;
}

bool ReadForecastFile(ScenarioInputs& inputs, const std::string& path, UserInterface& ui) {
  const auto refusal = LoadForecastFile(inputs, path);
  if (refusal) ui.message(MessageKind::Error, *refusal);
  return !refusal;
}

}  // namespace morvane
