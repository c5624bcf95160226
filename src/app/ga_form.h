// TGAForm: the GA window (an empty window until it is built).
#pragma once

#include <QWidget>

#include "app/morvane_app.h"

class TGAForm : public QWidget {
  Q_OBJECT

 public:
  explicit TGAForm(MorvaneApp& app, QWidget* parent = nullptr);

 private:
  MorvaneApp& app_;
};
