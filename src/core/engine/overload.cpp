#include "engine/overload.h"

#include "engine/steady_state.h"

namespace morvane {

bool MinuteOverloaded(const Model& model, int minute) {
  return Overloaded(model.staffing.ServersOnDuty[minute], model.minutes.ArrivalRate[minute],
                    model.inputs.ServiceRate);
}

std::int32_t OverloadedMinutes(const Model& model) {
  std::int32_t count = 0;
  for (int m = 0; m < kMinutesPerDay; ++m) count += MinuteOverloaded(model, m) ? 1 : 0;
  return count;
}

std::vector<MinuteRange> OverloadedRanges(const Model& model) {
  std::vector<MinuteRange> ranges;
  for (int m = 0; m < kMinutesPerDay; ++m) {
    if (!MinuteOverloaded(model, m)) continue;
    if (ranges.empty() || ranges.back().to != m) ranges.push_back({m, m});
    ranges.back().to = m + 1;
  }
  return ranges;
}

std::vector<MinuteRange> NoSteadyStateRanges(const Model& model) {
  if (AbandonRate(model.inputs) > 0) return {};
  return OverloadedRanges(model);
}

std::string OverloadedMinutesLabel(const Model& model) {
  return "Overloaded minutes = " + std::to_string(OverloadedMinutes(model));
}

}  // namespace morvane
