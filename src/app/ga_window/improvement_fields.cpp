#include "ga_window/improvement_fields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using morvane::ImprovementField;

ImprovementFields::ImprovementFields(QWidget* parent) : QWidget(parent) {
  ImprovedQuestion = caption("ImprovedQuestion", "");
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(caption("FullTImeLabel", "------FULL TIME------"), 0, 0, 1, 2, Qt::AlignCenter);
  grid->addWidget(caption("PartTimeLabel", "------PART TIME------"), 0, 2, 1, 2, Qt::AlignCenter);
  grid->addWidget(caption("FullLeftLabel", "Left"), 1, 0);
  grid->addWidget(caption("FullRightLabel", "Right"), 1, 1);
  grid->addWidget(caption("PartLeftLabel", "Left"), 1, 2);
  grid->addWidget(caption("PartRightLabel", "Right"), 1, 3);
  grid->addWidget(field(ImprovementField::FullTimeLeft, "FullTimeLeft"), 2, 0);
  grid->addWidget(field(ImprovementField::FullTimeRight, "FullTimeRight"), 2, 1);
  grid->addWidget(field(ImprovementField::PartTimeLeft, "PartTimeLeft"), 2, 2);
  grid->addWidget(field(ImprovementField::PartTimeRight, "PartTimeRight"), 2, 3);
  grid->addWidget(field(ImprovementField::ImproveIndex, "ImproveIndex"), 3, 0);
  grid->addWidget(ImprovedQuestion, 3, 1, 1, 3);
  setShown(false);
}

QLabel* ImprovementFields::caption(const char* name, const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  all_ << label;
  return label;
}

QLineEdit* ImprovementFields::field(ImprovementField which, const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  fields_.insert(which, edit);
  all_ << edit;
  return edit;
}

void ImprovementFields::setShown(bool shown) {
  for (QLineEdit* edit : fields_) edit->clear();
  ImprovedQuestion->clear();
  for (QWidget* widget : all_) widget->setVisible(shown);
}

void ImprovementFields::setText(ImprovementField which, const QString& text) {
  if (which == ImprovementField::ImprovedQuestion)
    ImprovedQuestion->setText(text);
  else
    fields_.value(which)->setText(text);
}

QString ImprovementFields::text(ImprovementField which) const {
  if (which == ImprovementField::ImprovedQuestion) return ImprovedQuestion->text();
  return fields_.value(which)->text();
}

void ImprovementFields::setFound(bool found) {
  QPalette palette = ImprovedQuestion->palette();
  palette.setColor(QPalette::WindowText, found ? Qt::red : Qt::black);
  ImprovedQuestion->setPalette(palette);
}
