// Time stamps of the system clock as a calendar day and the milliseconds since
// its midnight, and the seconds between two of them.
#pragma once

#include <cstdint>

namespace morvane {

struct TimeStamp {
  std::int64_t day = 0;              // days since 1970-01-01, local calendar
  std::int64_t msSinceMidnight = 0;  // local time of day
};

TimeStamp CurrentTimeStamp();

// 86400 per calendar day between the dates, plus the difference of the times of
// day in milliseconds / 1000.
double ElapsedSeconds(const TimeStamp& start, const TimeStamp& finish);

}  // namespace morvane
