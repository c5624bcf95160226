// The user interface a search in the staffing window reports through: its
// progress moves the window's own gauge (the main window's are hidden while
// this window shows), and everything else goes to the program's.
#pragma once

#include <QProgressBar>

#include "base/user_interface.h"

class GaugeInterface : public morvane::UserInterface {
 public:
  GaugeInterface(morvane::UserInterface& ui, QProgressBar& gauge) : ui_(ui), gauge_(gauge) {}

  void message(morvane::MessageKind kind, const std::string& text) override { ui_.message(kind, text); }
  bool ask(const std::string& text, morvane::MessageKind kind) override { return ui_.ask(text, kind); }
  std::optional<bool> askOrCancel(const std::string& text) override { return ui_.askOrCancel(text); }
  void reportLine(const std::string& line) override { ui_.reportLine(line); }
  void clearReport() override { ui_.clearReport(); }
  void progress(morvane::Gauge gauge, int percent) override {
    if (gauge == morvane::Gauge::PctDone) gauge_.setValue(percent);
  }
  void pause(int milliseconds) override { ui_.pause(milliseconds); }
  void idle() override { ui_.idle(); }
  void valueChanged(morvane::ShownValue value) override { ui_.valueChanged(value); }

 private:
  morvane::UserInterface& ui_;
  QProgressBar& gauge_;
};
