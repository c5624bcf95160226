#include "staffing/start_shift.h"

#include <algorithm>

namespace morvane {

void ShiftStarts(PeriodCounts& starts, std::int32_t amount, ShiftDirection direction) {
  if (amount <= 0) return;
  // `amount` single moves are one rotation by amount mod 96.
  const int periods = amount % kPeriods;
  if (direction == ShiftDirection::Forward)
    std::rotate(starts.rbegin(), starts.rbegin() + periods, starts.rend());
  else
    std::rotate(starts.begin(), starts.begin() + periods, starts.end());
}

}  // namespace morvane
