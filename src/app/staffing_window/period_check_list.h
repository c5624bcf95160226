// A duty-template list: 96 check items, one per 15-minute period after a
// shift's start ("0 - 15" .. "1425 - 1440"), laid out top to bottom in six
// columns of sixteen so the whole day is visible without scrolling.
#pragma once

#include <QListWidget>

#include "engine/model.h"

class PeriodCheckList : public QListWidget {
  Q_OBJECT

 public:
  explicit PeriodCheckList(QWidget* parent = nullptr);

  // Entry k is 1 when item k is checked, else 0.
  morvane::PeriodCounts checkedItems() const;
  // Checks item k when entry k is 1; emits no itemChanged.
  void setCheckedItems(const morvane::PeriodCounts& items);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  int rowHeight() const;
};
