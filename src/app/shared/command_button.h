// A push button as the windows declare them: control name, caption with its
// accelerator ("&"), and hint. Its accelerator takes the focus before the
// click, as the mouse does, so the box the planner was typing in is left
// first: checked, with its follow-up, before the command runs.
#pragma once

#include <QPushButton>

class CommandButton : public QPushButton {
 public:
  CommandButton(const QString& objectName, const QString& caption, const QString& hint,
                QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;
};
