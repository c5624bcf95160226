#include "app/time_checks_form.h"

TTimeChecksForm::TTimeChecksForm(MorvaneApp& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("TTimeChecksForm");
}
