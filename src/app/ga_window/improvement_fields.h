// The progress fields of the local improvement in the GA window, hidden until
// an improvement runs: the rank of the member being improved, the objective
// text of the last improvement found, and "period|attempt" of each of the
// four passes under their FULL TIME / PART TIME and Left / Right captions.
#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

#include "optimiser/ga_observer.h"

class QLabel;
class QLineEdit;

class ImprovementFields : public QWidget {
  Q_OBJECT

 public:
  explicit ImprovementFields(QWidget* parent = nullptr);

  // Shown with empty texts, or hidden.
  void setShown(bool shown);
  void setText(morvane::ImprovementField field, const QString& text);
  // ImprovedQuestion in red after an improvement was found, else in black.
  void setFound(bool found);
  QString text(morvane::ImprovementField field) const;

 private:
  QLabel* caption(const char* name, const QString& text);
  QLineEdit* field(morvane::ImprovementField which, const char* name);

  QLabel* ImprovedQuestion;
  QHash<morvane::ImprovementField, QLineEdit*> fields_;
  QList<QWidget*> all_;
};
