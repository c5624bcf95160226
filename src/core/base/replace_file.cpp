#include "base/replace_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace morvane {
namespace {

namespace fs = std::filesystem;

std::string LastSystemError() {
  return errno != 0 ? std::string(std::strerror(errno)) : std::string("input/output error");
}

// A name beside `target` that no file has yet: the rename must stay within one
// file system to replace the target in one step.
std::optional<fs::path> FreshSiblingName(const fs::path& target) {
  std::random_device device;
  std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = target;
    candidate += '.' + std::to_string(digits(device)) + ".tmp";
    std::error_code ignored;
    if (!fs::exists(candidate, ignored)) return candidate;
  }
  return std::nullopt;
}

std::optional<std::string> WriteNewFile(const fs::path& file, std::string_view contents) {
  errno = 0;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return LastSystemError();
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  out.close();
  if (!out) return LastSystemError();
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReplaceFileContents(const std::string& path, std::string_view contents) {
  const fs::path target(path);
  std::error_code error;
  if (fs::is_directory(target, error)) return "it is a folder";
  const auto fresh = FreshSiblingName(target);
  if (!fresh) return "no free name for a temporary file beside it";
  const fs::path& temporary = *fresh;
  if (auto failure = WriteNewFile(temporary, contents)) {
    fs::remove(temporary, error);
    return failure;
  }
  // The replacement keeps the permissions the planner gave the old file.
  if (const auto status = fs::status(target, error); fs::exists(status))
    fs::permissions(temporary, status.permissions(), error);
  fs::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return error.message();
  }
  return std::nullopt;
}

bool ReplaceFileTelling(const std::string& path, std::string_view contents, UserInterface& ui) {
  const auto failure = ReplaceFileContents(path, contents);
  if (failure)
    ui.message(MessageKind::Error, "File <" + path + "> could not be written: " + *failure +
                                       ".\rAny file of that name was left as it was.");
  return !failure;
}

std::string WrittenMessage(const std::string& name) {
  return "File <" + name + "> written successfully.";
}

bool WriteWholeFile(const std::string& path, std::string_view contents, UserInterface& ui) {
  if (!ReplaceFileTelling(path, contents, ui)) return false;
  ui.message(MessageKind::Information, WrittenMessage(path));
  return true;
}

}  // namespace morvane
