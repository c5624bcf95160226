#include "optimiser/elapsed_time.h"

#include <chrono>
#include <ctime>

namespace morvane {

TimeStamp CurrentTimeStamp() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  const year_month_day date{year{local.tm_year + 1900},
                            month{static_cast<unsigned>(local.tm_mon + 1)},
                            day{static_cast<unsigned>(local.tm_mday)}};
  return {sys_days{date}.time_since_epoch().count(),
          (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * 1000LL + ms};
}

double ElapsedSeconds(const TimeStamp& start, const TimeStamp& finish) {
  return 86400.0 * static_cast<double>(finish.day - start.day) +
         static_cast<double>(finish.msSinceMidnight - start.msSinceMidnight) / 1000;
}

}  // namespace morvane
