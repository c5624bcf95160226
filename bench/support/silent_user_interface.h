// The benchmarks' user interface: it shows nothing and answers Yes.
#pragma once

#include <string>

#include "base/user_interface.h"

namespace morvane {

class SilentUserInterface : public UserInterface {
 public:
  void message(MessageKind, const std::string&) override {}
  bool ask(const std::string&, MessageKind) override { return true; }
  void reportLine(const std::string&) override {}
  void progress(Gauge, int) override {}
  void pause(int) override {}
};

}  // namespace morvane
