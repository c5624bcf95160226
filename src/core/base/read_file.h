// Reading a file a planner names, without ever taking in more than is wanted.
#pragma once

#include <cstddef>
#include <fstream>
#include <optional>
#include <string>

namespace morvane {

// The file opened for reading, or nothing when it cannot be; then `failure`
// says why ("it is a folder", the system's reason).
std::optional<std::ifstream> OpenFile(const std::string& path, std::string& failure);

// The file's first limit + 1 bytes at most (more than `limit` means the file is
// too large), or nothing when it cannot be read; then `failure` says why.
std::optional<std::string> ReadFileUpTo(const std::string& path, std::size_t limit,
                                        std::string& failure);

}  // namespace morvane
