// A push button as the windows declare them: control name, caption with its
// accelerator ("&"), and hint.
#pragma once

#include <QPushButton>

QPushButton* CommandButton(const QString& objectName, const QString& caption, const QString& hint,
                           QWidget* parent);
