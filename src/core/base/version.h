// The program's name and version as both programs print them ("Morvane 1.0.0.1").
// The number comes from the project's version in CMake.
#pragma once

namespace morvane {

inline constexpr const char* kVersionText = "Morvane " MORVANE_VERSION;

}  // namespace morvane
