// Checked numeric entry in the windows: an input box that reports when the
// planner leaves it, and the two checks that run then. The checks themselves
// are the core's; here their outcome reaches the box and the planner.
#pragma once

#include <QLineEdit>
#include <cstdint>

#include "engine/entry_check.h"
#include "base/number_format.h"
#include "base/real.h"
#include "base/user_interface.h"

class EntryEdit : public QLineEdit {
  Q_OBJECT

 public:
  EntryEdit(const QString& objectName, const QString& hint, QWidget* parent = nullptr);

 signals:
  // The planner moved the focus to another control of the window: with Tab, a
  // click or a command's shortcut (not: the window lost the focus, or the box
  // was disabled).
  void exited();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
};

// The outcome of a check on screen: the beep, the text the box shows
// afterwards and the warnings, in that order; the warnings' title is the box's
// accessible name (its caption) when it has one.
void ShowEntryOutcome(QLineEdit* edit, const morvane::EntryOutcome& outcome, morvane::UserInterface& ui);

// Both leave an empty box alone and return false; otherwise they check the text,
// sound the beep and show the warnings the check asks for, put the text it asks
// for into the box, and return true. A refused real brings back the value kept
// in the box's format (`precision` significant digits, as NumberText writes it).
bool ValidateIntEdit(QLineEdit* edit, std::int32_t& value, std::int32_t low, std::int32_t high,
                     morvane::UserInterface& ui);
bool ValidateRealEdit(QLineEdit* edit, morvane::Real& value, morvane::Real low, morvane::Real high,
                      int precision, morvane::UserInterface& ui, const morvane::NumberLocale& locale);
