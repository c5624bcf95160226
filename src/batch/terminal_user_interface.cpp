#include "batch/terminal_user_interface.h"

#include <algorithm>

namespace morvane::batch {

std::string TerminalText(const std::string& text) {
  std::string lines = text;
  std::replace(lines.begin(), lines.end(), '\r', '\n');
  return lines;
}

void TerminalUserInterface::message(MessageKind kind, const std::string& text) {
  const char* prefix = kind == MessageKind::Error     ? "Error: "
                       : kind == MessageKind::Warning ? "Warning: "
                                                      : "";
  stream_ << prefix << TerminalText(text) << "\n";
}

bool TerminalUserInterface::ask(const std::string& text, MessageKind /*kind*/) {
  stream_ << TerminalText(text) << " [answered No]\n";
  return false;
}

void TerminalUserInterface::reportLine(const std::string& line) { stream_ << line << "\n"; }

}  // namespace morvane::batch
