// TMorvaneForm: the main window.
#pragma once

#include <QWidget>

#include "app/morvane_app.h"

class TMorvaneForm : public QWidget {
  Q_OBJECT

 public:
  // splashMilliseconds: how long the about box shows as a splash at creation.
  explicit TMorvaneForm(MorvaneApp& app, int splashMilliseconds = 1500, QWidget* parent = nullptr);

 private:
  MorvaneApp& app_;
};
