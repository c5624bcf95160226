// The number types of the model: extended-precision reals (80-bit on x86-64),
// because probabilities as small as 1e-8 are compared after long sums.
#pragma once

namespace morvane {

using Real = long double;

}  // namespace morvane
