#include "optimiser/recording_user_interface.h"

#include <utility>

namespace morvane {
namespace {

using Kind = RecordedCall::Kind;

template <typename M>
auto& ShownField(M& model, ShownValue value) {
  return value == ShownValue::MaxStates ? model.inputs.MaxStates : model.inputs.TimeStepSeconds;
}

}  // namespace

void RecordingUserInterface::message(MessageKind kind, const std::string& text) {
  calls_.push_back({Kind::Message, static_cast<int>(kind), 0, text});
}

bool RecordingUserInterface::ask(const std::string& /*text*/, MessageKind /*kind*/) { return false; }

void RecordingUserInterface::reportLine(const std::string& line) {
  calls_.push_back({Kind::ReportLine, 0, 0, line});
}

void RecordingUserInterface::clearReport() { calls_.push_back({Kind::ClearReport, 0, 0, {}}); }

void RecordingUserInterface::progress(Gauge gauge, int percent) {
  calls_.push_back({Kind::Progress, static_cast<int>(gauge), percent, {}});
}

void RecordingUserInterface::pause(int milliseconds) {
  calls_.push_back({Kind::Pause, milliseconds, 0, {}});
}

void RecordingUserInterface::valueChanged(ShownValue value) {
  const int now = ShownField(model_, value);
  calls_.push_back({Kind::ValueChanged, static_cast<int>(value), now, {}});
}

void ReplayCalls(const std::vector<RecordedCall>& calls, UserInterface& ui, Model& model) {
  for (const RecordedCall& call : calls) switch (call.kind) {
      case Kind::Message:
        ui.message(static_cast<MessageKind>(call.number), call.text);
        break;
      case Kind::ReportLine:
        ui.reportLine(call.text);
        break;
      case Kind::ClearReport:
        ui.clearReport();
        break;
      case Kind::Progress:
        ui.progress(static_cast<Gauge>(call.number), call.value);
        break;
      case Kind::Pause:
        ui.pause(call.number);
        break;
      case Kind::ValueChanged: {
        const auto value = static_cast<ShownValue>(call.number);
        ShownField(model, value) = call.value;
        ui.valueChanged(value);
        break;
      }
    }
}

}  // namespace morvane
