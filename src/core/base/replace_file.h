// Replacing a file without ever leaving a half-written one in its place.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/user_interface.h"

namespace morvane {

// Writes `contents` to a new file beside `path`, then renames it over `path`:
// afterwards `path` holds either all of the new contents or, on failure, what
// it held before (nothing, if it did not exist). Returns why it failed, or nothing.
std::optional<std::string> ReplaceFileContents(const std::string& path, std::string_view contents);

// The same, telling the planner of a failure: an error naming the file and the
// cause. Returns whether it wrote.
bool ReplaceFileTelling(const std::string& path, std::string_view contents, UserInterface& ui);

// "File <name> written successfully."
std::string WrittenMessage(const std::string& name);

// ReplaceFileTelling, and WrittenMessage on success: how every file a planner
// asks for (plans, tables) is written.
bool WriteWholeFile(const std::string& path, std::string_view contents, UserInterface& ui);

}  // namespace morvane
