// A user interface that shows nothing and answers Yes: for computations on
// worker threads and for benchmarks, where nobody watches.
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
