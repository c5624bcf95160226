// Texts of reals that other programs and later sessions read back exactly:
// always with a dot, whatever the locale, and with every digit that matters.
#pragma once

#include <string>

#include "base/real.h"

namespace morvane {

// Twenty-one significant digits, as the result files write them ("2250",
// "0.200000000000000000003"); "null" when not finite.
std::string FullPrecisionText(Real value);

// The shortest text that reads back as the same extended real ("0.2", "1e-05");
// for finite values only.
std::string ShortestText(Real value);

}  // namespace morvane
