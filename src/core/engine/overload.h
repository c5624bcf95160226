// The overloaded minutes of the steady state: where arrivals reach the service
// capacity. When nobody hangs up the steady state there holds only its
// placeholder (state 1, mean 1), so the windows and reports say where that is;
// callers who hang up keep a steady state at any load, but one that loses many.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/model.h"

namespace morvane {

// Minute m (0..1440) of the last steady-state computation is overloaded.
bool MinuteOverloaded(const Model& model, int minute);
// Overloaded minutes of the day, 0..1439.
std::int32_t OverloadedMinutes(const Model& model);

// Minutes from..to-1 of the day.
struct MinuteRange {
  int from = 0;
  int to = 0;
  bool operator==(const MinuteRange&) const = default;
};

// The runs of overloaded minutes in 0..1439, in order, each as long as it goes.
std::vector<MinuteRange> OverloadedRanges(const Model& model);

// The runs with no steady state: the overloaded ones when nobody hangs up, else none.
std::vector<MinuteRange> NoSteadyStateRanges(const Model& model);

// "Overloaded minutes = 95".
std::string OverloadedMinutesLabel(const Model& model);

}  // namespace morvane
