// Moving a whole column of start counts earlier or later in the day, as the
// staffing window's shift buttons do. The day is a circle: a start moved past
// period 95 comes back at period 0, and the other way round.
#pragma once

#include <cstdint>

#include "engine/model.h"

namespace morvane {

enum class ShiftDirection { Forward, Backward };

// Forward moves the count of period p to period p + 1 (95 to 0), `amount` times;
// Backward moves it to p - 1 (0 to 95). An amount of 0 or below changes nothing.
void ShiftStarts(PeriodCounts& starts, std::int32_t amount, ShiftDirection direction);

}  // namespace morvane
