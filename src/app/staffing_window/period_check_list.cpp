#include "staffing_window/period_check_list.h"

#include <QResizeEvent>
#include <QSignalBlocker>

#include "staffing/duty_template.h"

namespace {

constexpr int kColumns = 6;
constexpr int kRows = morvane::kPeriods / kColumns;  // 16 periods per column

}  // namespace

PeriodCheckList::PeriodCheckList(QWidget* parent) : QListWidget(parent) {
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  for (int k = 0; k < morvane::kPeriods; ++k) {
    auto* item = new QListWidgetItem(QString::fromStdString(morvane::ListPeriodLabel(k)), this);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

morvane::PeriodCounts PeriodCheckList::checkedItems() const {
  morvane::PeriodCounts items{};
  for (int k = 0; k < morvane::kPeriods; ++k) items[k] = item(k)->checkState() == Qt::Checked;
  return items;
}

void PeriodCheckList::setCheckedItems(const morvane::PeriodCounts& items) {
  const QSignalBlocker blocker(this);
  for (int k = 0; k < morvane::kPeriods; ++k)
    item(k)->setCheckState(items[k] == 1 ? Qt::Checked : Qt::Unchecked);
  viewport()->update();
}

int PeriodCheckList::rowHeight() const { return fontMetrics().height() + 6; }

QSize PeriodCheckList::sizeHint() const {
  const int columnWidth = fontMetrics().horizontalAdvance(QStringLiteral("1425 - 1440")) + 40;
  return {kColumns * columnWidth + 2 * frameWidth(), kRows * rowHeight() + 1 + 2 * frameWidth()};
}

QSize PeriodCheckList::minimumSizeHint() const { return sizeHint(); }

// Sixteen rows per column and a sixth of the width per column: the list then
// always shows exactly six columns, however wide the window is. A column wraps
// when an item would reach the last pixel row, hence the one pixel spared.
void PeriodCheckList::resizeEvent(QResizeEvent* event) {
  const QSize area = viewport()->size();
  setGridSize({area.width() / kColumns, (area.height() - 1) / kRows});
  QListWidget::resizeEvent(event);
}
