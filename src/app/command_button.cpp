#include "app/command_button.h"

QPushButton* CommandButton(const QString& objectName, const QString& caption, const QString& hint,
                           QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(objectName);
  button->setToolTip(hint);
  return button;
}
