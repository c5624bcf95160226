#include "app/multi_objective_form.h"

TMultiObjectiveForm::TMultiObjectiveForm(MorvaneApp& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName("TMultiObjectiveForm");
}
