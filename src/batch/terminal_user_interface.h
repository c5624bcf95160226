// The batch command's user interface: messages and report lines go to a text
// stream (stderr), each "\r" line break becoming a newline. There is no one to
// answer a question, so every question is answered No, the answer that changes
// nothing.
#pragma once

#include <ostream>

#include "base/user_interface.h"

namespace morvane::batch {

// "\r" line breaks of a message text as newlines.
std::string TerminalText(const std::string& text);

class TerminalUserInterface : public UserInterface {
 public:
  explicit TerminalUserInterface(std::ostream& stream) : stream_(stream) {}

  void message(MessageKind kind, const std::string& text) override;
  bool ask(const std::string& text, MessageKind kind) override;
  void reportLine(const std::string& line) override;
  void progress(Gauge, int) override {}
  void pause(int) override {}

 private:
  std::ostream& stream_;
};

}  // namespace morvane::batch
