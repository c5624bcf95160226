#include "base/read_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace morvane {

std::optional<std::ifstream> OpenFile(const std::string& path, std::string& failure) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    failure = "it is a folder";
    return std::nullopt;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    failure = errno ? std::strerror(errno) : "no access";
    return std::nullopt;
  }
  return in;
}

std::optional<std::string> ReadFileUpTo(const std::string& path, std::size_t limit,
                                        std::string& failure) {
  auto in = OpenFile(path, failure);
  if (!in) return std::nullopt;
  std::string text(limit + 1, '\0');
  in->read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in->bad()) {
    failure = "input/output error";
    return std::nullopt;
  }
  text.resize(static_cast<std::size_t>(in->gcount()));
  return text;
}

}  // namespace morvane
