// The start-times text (.tim): one line per 15-minute period, period 0 first,
// four integers per line, each right-aligned in 5 characters (wider when the
// number needs it), joined by three blanks and ended by CR LF:
//   FT template entry k, PT template entry k, FT starts in period k, PT starts in period k.
// The templates' entries are offsets from a shift's start, the starts are periods
// of the day; the two only share the line. Wrap-around is not stored.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>

#include "engine/model.h"

namespace morvane {

// One line, CR LF included: "    1       1       0       0\r\n".
std::string StartTimesLine(std::int32_t fullTimeDuty, std::int32_t partTimeDuty,
                           std::int32_t fullTimeStarts, std::int32_t partTimeStarts);

// The 96 lines of the templates and start counts of `staff`.
std::string StartTimesText(const StaffingState& staff);

// A plan as a start-times text gives it, before the first-period rule.
struct StartTimesPlan {
  std::array<PeriodCounts, 2> DutyTemplate{};  // 1 where the field is 1, else 0
  std::array<PeriodCounts, 2> StartTimes{};    // the field where above 0, else 0
};

// Where and why a text is not a plan. `line` counts text lines from 1.
struct StartTimesFault {
  std::int64_t line = 0;
  std::string reason;
};

struct StartTimesParse {
  StartTimesPlan plan;                   // meaningful only without a fault
  std::optional<StartTimesFault> fault;
};

// Reads up to 96 periods: four integers each, with blanks, tabs and line ends
// between them skipped, then the rest of the line skipped. Periods the text does
// not reach are off duty with no starts; text after the 96th period is ignored.
// A field that is not a 32-bit integer, or a period cut off by the end of the
// text, is a fault.
StartTimesParse ParseStartTimes(std::istream& in);

}  // namespace morvane
