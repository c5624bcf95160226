// The number types of the model: extended-precision reals (80-bit on x86-64),
// because probabilities as small as 1e-8 are compared after long sums.
#pragma once

namespace morvane {

using Real = long double;

// The number type a time-dependent run works in: the model's extended reals,
// or doubles, several times faster, for the optimiser's search. Inputs and
// results stay Real either way.
enum class Precision { Extended, Double };

}  // namespace morvane
