#include "shared/command_button.h"

#include <QEvent>

CommandButton::CommandButton(const QString& objectName, const QString& caption, const QString& hint,
                             QWidget* parent)
    : QPushButton(caption, parent) {
  setObjectName(objectName);
  setToolTip(hint);
}

// The box left may disable this button (its check invalidates the results);
// the click then does nothing.
bool CommandButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut && isEnabled()) setFocus(Qt::ShortcutFocusReason);
  return QPushButton::event(event);
}
