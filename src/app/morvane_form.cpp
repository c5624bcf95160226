#include "app/morvane_form.h"

TMorvaneForm::TMorvaneForm(MorvaneApp& app, int, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("TMorvaneForm");
  setWindowTitle("Morvane");
}
