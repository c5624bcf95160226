// TTimeChecksForm: the staffing window (an empty window until it is built).
#pragma once

#include <QWidget>

#include "app/morvane_app.h"

class TTimeChecksForm : public QWidget {
  Q_OBJECT

 public:
  explicit TTimeChecksForm(MorvaneApp& app, QWidget* parent = nullptr);

 private:
  MorvaneApp& app_;
};
