// What an evaluation on a worker thread says to the planner, kept so that the
// windows' thread can say it when the run reaches that evaluation in its
// order: report lines, gauge moves, pauses and changed values, in sequence.
#pragma once

#include <string>
#include <vector>

#include "engine/model.h"
#include "base/user_interface.h"

namespace morvane {

struct RecordedCall {
  enum class Kind { Message, ReportLine, ClearReport, Progress, Pause, ValueChanged };
  Kind kind;
  int number = 0;  // MessageKind, Gauge, milliseconds or ShownValue
  int value = 0;   // the percent of a gauge, or the changed value as it then stood
  std::string text;
};

// Records every call; `model` is the worker's, whose changed values are noted
// as they stand at the call. An evaluation asks nothing, so ask answers No.
class RecordingUserInterface : public UserInterface {
 public:
  explicit RecordingUserInterface(const Model& model) : model_(model) {}

  void message(MessageKind kind, const std::string& text) override;
  bool ask(const std::string& text, MessageKind kind) override;
  void reportLine(const std::string& line) override;
  void clearReport() override;
  void progress(Gauge gauge, int percent) override;
  void pause(int milliseconds) override;
  void valueChanged(ShownValue value) override;

  std::vector<RecordedCall> takeCalls() { return std::move(calls_); }

 private:
  const Model& model_;
  std::vector<RecordedCall> calls_;
};

// Makes the calls again through `ui`. Before a changed value is announced it is
// set in `model` as it stood then, so a box that reads the model shows it.
void ReplayCalls(const std::vector<RecordedCall>& calls, UserInterface& ui, Model& model);

}  // namespace morvane
