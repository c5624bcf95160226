// Names of chart picture files: which picture a save writes, judged by the
// last three characters of the name the planner chose, and the names of the
// tradeoff-chart snapshots taken during a GA run.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

enum class PictureKind { Bitmap, WindowsMetafile, EnhancedMetafile };

// "BMP", "WMF" or "EMF" in any case as the last three characters; nothing for
// any other ending. A name of three characters or fewer is judged on what it has.
std::optional<PictureKind> pictureKindOf(std::string_view fileName);

// The tradeoff chart is kept as a bitmap every 50th generation, generation 0 included.
inline constexpr int kTradeoffMapInterval = 50;
bool isTradeoffMapGeneration(int generation);
// "GAMap for Gen " + generation + ".bmp".
std::string tradeoffMapFileName(int generation);

}  // namespace morvane
