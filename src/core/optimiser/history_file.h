// The GA history file (.his): the run report as text, one line per report
// line, newest first, as the list shows it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/user_interface.h"

namespace morvane {

inline const std::string kHistoryErrorMessage = "Error in SaveTextButtonClick";

// Writes `lines` (top line first) to `path`, moving `gauge` (percent) from 0 to
// 100 every 20 lines, then shows "File saved as <path>"; any error shows
// kHistoryErrorMessage instead. Returns whether the file was written.
bool SaveHistory(const std::string& path, const std::vector<std::string>& lines, UserInterface& ui,
                 const std::function<void(int)>& gauge);

// The gauge after line k of `count` lines: 100 * k / (count - 1), rounded; a
// report of one line is complete at once (100).
int HistoryGaugePercent(std::size_t k, std::size_t count);

}  // namespace morvane
