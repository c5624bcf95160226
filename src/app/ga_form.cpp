#include "app/ga_form.h"

TGAForm::TGAForm(MorvaneApp& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("TGAForm");
}
