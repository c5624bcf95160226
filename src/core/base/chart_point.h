// One point of a chart series, as the core hands it to whoever draws it.
#pragma once

#include "base/real.h"

namespace morvane {

struct ChartPoint {
  Real x = 0;
  Real y = 0;
  bool operator==(const ChartPoint&) const = default;
};

}  // namespace morvane
