// TMultiObjectiveForm: the tradeoff window (an empty window until it is built).
#pragma once

#include <QWidget>

#include "app/morvane_app.h"

class TMultiObjectiveForm : public QWidget {
  Q_OBJECT

 public:
  explicit TMultiObjectiveForm(MorvaneApp& app, QWidget* parent = nullptr);

 private:
  MorvaneApp& app_;
};
