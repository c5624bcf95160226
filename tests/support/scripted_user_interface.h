// The tests' user interface: records every message, report line and progress
// step, answers questions from a script, and fails the test on a message it was
// not told to expect.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/user_interface.h"

namespace morvane::testing {

class ScriptedUserInterface : public UserInterface {
 public:
  // Messages are allowed only after this; by default any message fails the test.
  void allowMessages() { messagesAllowed_ = true; }
  // The next question is answered with `yes`.
  void answer(bool yes) { answers_.push_back(yes); }
  // The next question, which must offer Cancel, is cancelled.
  void cancel() { answers_.push_back(std::nullopt); }

  void message(MessageKind kind, const std::string& text) override {
    messages.push_back(text);
    kinds.push_back(kind);
    if (!messagesAllowed_) ADD_FAILURE() << "unexpected message: " << text;
  }
  bool ask(const std::string& text, MessageKind kind) override {
    questionKinds.push_back(kind);
    const std::optional<bool> yes = nextAnswer(text);
    if (!yes.has_value()) ADD_FAILURE() << "cancelled a question without Cancel: " << text;
    return yes.value_or(false);
  }
  std::optional<bool> askOrCancel(const std::string& text) override {
    questionKinds.push_back(MessageKind::Confirmation);
    return nextAnswer(text);
  }
  void reportLine(const std::string& line) override { report.insert(report.begin(), line); }
  void clearReport() override { report.clear(); }
  void progress(Gauge gauge, int percent) override {
    (gauge == Gauge::PctDone ? pctDone : iterationGauge).push_back(percent);
  }
  void pause(int milliseconds) override {
    pauses.push_back(milliseconds);
    if (duringPause) duringPause();
  }
  void idle() override {
    if (duringIdle) duringIdle();
  }
  void valueChanged(ShownValue value) override { changedValues.push_back(value); }

  std::vector<std::string> messages;
  std::vector<MessageKind> kinds;
  std::vector<std::string> questions;
  std::vector<MessageKind> questionKinds;
  std::vector<std::string> report;  // newest first, as the run report shows it
  std::vector<int> pctDone;
  std::vector<int> iterationGauge;
  std::vector<int> pauses;
  std::vector<ShownValue> changedValues;
  // Runs at every pause, as the events a planner causes while a computation breathes.
  std::function<void()> duringPause;
  // Runs whenever a search waits for its worker threads.
  std::function<void()> duringIdle;

 private:
  std::optional<bool> nextAnswer(const std::string& question) {
    questions.push_back(question);
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected question: " << question;
      return false;
    }
    const std::optional<bool> answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  bool messagesAllowed_ = false;
  std::deque<std::optional<bool>> answers_;  // nothing: Cancel
};

}  // namespace morvane::testing
