// Reading a demand forecast from a CSV file: a header line naming the columns,
// then one line per interval of the day from 00:00, equal intervals of 1, 5,
// 10, 15, 20, 30 or 60 minutes with no gaps or overlaps. The columns are found
// by name: "start" (HH:MM or minutes after midnight) and either "calls"
// (contacts offered in the interval) or "rate" (contacts per hour); others are
// ignored. Comma or semicolon separators (with a semicolon a decimal comma is
// read too), quoted fields, a UTF-8 byte-order mark, CR LF line ends and blank
// trailing lines are accepted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/user_interface.h"
#include "engine/demand_forecast.h"
#include "engine/scenario_inputs.h"

namespace morvane {

inline constexpr std::size_t kForecastFileLimit = 1024 * 1024;
inline const std::string kForecastFilter = "Forecast (CSV)|*.csv|All files|*.*";

// Where and why a text is not a forecast. `line` counts from 1; `column` is the
// column's name, empty when the fault is not in one column.
struct ForecastFault {
  std::int64_t line = 0;
  std::string column;
  std::string reason;
};

struct ForecastParse {
  DemandForecast forecast;  // meaningful only without a fault; FileName left empty
  std::optional<ForecastFault> fault;
};

// Reads a whole file's text (at most kForecastFileLimit bytes; longer is a fault).
// A peak rate that needs more servers than the model holds at `serviceRate` is a
// fault of its line.
ForecastParse ParseForecast(std::string_view text, Real serviceRate);

// The message for a fault in the file `name`.
std::string ForecastFaultMessage(const std::string& name, const ForecastFault& fault);

// Reads and checks the file: nothing when its forecast is now in force, else the
// message naming the file, the line and the column, with the inputs untouched.
std::optional<std::string> LoadForecastFile(ScenarioInputs& inputs, const std::string& path);
std::optional<std::string> LoadForecastText(ScenarioInputs& inputs, std::string_view text,
                                            const std::string& name);

// The same, telling the planner. Reads and checks the file; a forecast that reads cleanly is put in force (inputs.Forecast, named by the file's
// name). Otherwise one error names the file, the line and the column, and the
// inputs are left exactly as they were. Returns whether the forecast changed.
bool ReadForecastFile(ScenarioInputs& inputs, const std::string& path, UserInterface& ui);
// The same for a text already read; `name` is the file name the messages show.
bool ReadForecastText(ScenarioInputs& inputs, std::string_view text, const std::string& name,
                      UserInterface& ui);

}  // namespace morvane
