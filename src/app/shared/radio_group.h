// A captioned group of radio buttons with one item chosen, addressed by index
// (the choice groups of the main and GA windows).
#pragma once

#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;

class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
             QWidget* parent = nullptr);

  int itemIndex() const;
  // Chooses an item without emitting itemClicked (as a program, not the planner, does).
  void setItemIndex(int index);
  QAbstractButton* item(int index) const;

 signals:
  // The planner chose an item (also when it was chosen already).
  void itemClicked(int index);

 private:
  QButtonGroup* buttons_;
};
