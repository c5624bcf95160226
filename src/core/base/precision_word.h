// The words for the number types of the engine, as the command line and files write them.
#pragma once

#include <optional>
#include <string>

#include "base/real.h"

namespace morvane {

// "extended" or "double".
std::string PrecisionWord(Precision precision);
std::optional<Precision> PrecisionOfWord(const std::string& word);

}  // namespace morvane
