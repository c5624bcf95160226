// Replacing a file without ever leaving a half-written one in its place.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// Writes `contents` to a new file beside `path`, then renames it over `path`:
// afterwards `path` holds either all of the new contents or, on failure, what
// it held before (nothing, if it did not exist). Returns why it failed, or nothing.
std::optional<std::string> ReplaceFileContents(const std::string& path, std::string_view contents);

}  // namespace morvane
