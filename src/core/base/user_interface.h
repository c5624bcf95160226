// The one way the core reaches the planner. Windows implement it with Qt,
// the batch command with the terminal, tests with a scripted fake.
#pragma once

#include <optional>
#include <string>

namespace morvane {

// The kind of a box, shown by its icon. Confirmation is the usual kind of a question.
enum class MessageKind { Information, Warning, Error, Confirmation };

// Progress gauges the core moves.
enum class Gauge { PctDone, IterationGauge };

// Model values that have a box on screen and that a computation may change.
enum class ShownValue { MaxStates, TimeStepSeconds };

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // A modal box with an OK button. "\r" in the text is a line break.
  virtual void message(MessageKind kind, const std::string& text) = 0;
  // A modal box with Yes and No buttons; true for Yes.
  virtual bool ask(const std::string& text, MessageKind kind = MessageKind::Confirmation) = 0;
  // A modal box with Yes, No and Cancel buttons; true for Yes, nothing for
  // Cancel. Without a Cancel of its own, the answer is that of ask().
  virtual std::optional<bool> askOrCancel(const std::string& text) { return ask(text); }
  // Inserts a line at the top of the run report (it reads newest first).
  virtual void reportLine(const std::string& line) = 0;
  // Empties the run report (a GA run starts a new one).
  virtual void clearReport() {}
  virtual void progress(Gauge gauge, int percent) = 0;
  // Lets the windows breathe: processes pending events for the given time.
  virtual void pause(int milliseconds) = 0;
  // Processes pending events once while a GA run waits for its worker threads.
  // It is not one of the run's pause points: how often it comes depends on the machine.
  virtual void idle() {}
  // A value with a box on screen was changed by a computation.
  virtual void valueChanged(ShownValue /*value*/) {}
};

}  // namespace morvane
