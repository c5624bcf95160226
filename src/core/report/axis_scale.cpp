#include "report/axis_scale.h"

#include <cmath>
#include <initializer_list>

namespace morvane {
namespace {

constexpr int kMostLabels = 8;
constexpr double kRoom = 0.03;   // of the span, between the data and an outward end
constexpr double kSlack = 1e-9;  // in steps: a value this near a tick lies on it

// Ticks at multiples of the step; + 0.0 turns a tick -0 into 0.
double Down(double value, double step) { return std::floor(value / step + kSlack) * step + 0.0; }
double Up(double value, double step) { return std::ceil(value / step - kSlack) * step + 0.0; }

AxisScale Ends(double low, double high, AxisEnd lowEnd, AxisEnd highEnd, double step) {
  const double room = (high - low) * kRoom;
  AxisScale scale{low, high, step};
  if (lowEnd == AxisEnd::Outward)
    scale.minimum = low >= 0 && low - room < 0 ? low - room : Down(low - room, step);
  if (highEnd == AxisEnd::Outward)
    scale.maximum = high <= 0 && high + room > 0 ? high + room : Up(high + room, step);
  return scale;
}

}  // namespace

double AxisScale::firstTick() const { return Up(minimum, step); }

int AxisScale::labels() const {
  return static_cast<int>(std::floor(maximum / step + kSlack) - std::ceil(minimum / step - kSlack)) + 1;
}

AxisScale FitAxis(double low, double high, AxisEnd lowEnd, AxisEnd highEnd, double minStep) {
  if (!(high > low)) high = low + 1;
  if (!std::isfinite(low) || !std::isfinite(high) || !(high > low)) return AxisScale{};
  // From a hundredth of the span upward, the first step that leaves at most eight labels.
  for (double decade = std::pow(10.0, std::floor(std::log10(high - low)) - 2);; decade *= 10)
    for (const double multiple : {1.0, 2.0, 5.0}) {
      const double step = multiple * decade;
      if (step < minStep) continue;
      const AxisScale scale = Ends(low, high, lowEnd, highEnd, step);
      if (scale.labels() <= kMostLabels) return scale;
    }
}

}  // namespace morvane
