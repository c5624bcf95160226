#include "staffing_window/start_times_grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>

#include "engine/model.h"
#include "staffing/start_times_page.h"

namespace {

constexpr int kFixedColumns = StartTimesGrid::FullTimeStartColumn;

bool isStartColumn(int column) { return column >= kFixedColumns; }

}  // namespace

StartTimesGrid::StartTimesGrid(QWidget* parent) : QTableWidget(morvane::kPeriods, ColumnCount, parent) {
  setObjectName(QStringLiteral("ScheduleGrid"));
  setToolTip(QStringLiteral("Enter Number Starting in LAST 2 Columns; TAB to next to register entries"));
  setHorizontalHeaderLabels({"Time", "Arrivals", "Min Servers", "On Duty", "FT On", "PT On",
                             "FT Start", "PT Start"});
  horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { background: yellow; }"));
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed);
  addRows();
  resizeColumnsToContents();
  for (int column = 0; column < ColumnCount; ++column)
    setColumnWidth(column, std::max(columnWidth(column), fontMetrics().horizontalAdvance("00000")) + 12);
  connect(this, &QTableWidget::currentCellChanged, this, &StartTimesGrid::planEdited);
}

// Fixed cells are yellow and take no input; start cells are white and editable.
void StartTimesGrid::addRows() {
  for (int period = 0; period < morvane::kPeriods; ++period) {
    for (int column = 0; column < ColumnCount; ++column) {
      auto* cell = new QTableWidgetItem;
      if (isStartColumn(column)) {
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        cell->setBackground(Qt::white);
      } else {
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setBackground(Qt::yellow);
      }
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      setItem(period, column, cell);
    }
    item(period, TimeColumn)->setText(QString::fromStdString(morvane::GridPeriodLabel(period)));
  }
}

QString StartTimesGrid::cellText(int period, int column) const { return item(period, column)->text(); }

void StartTimesGrid::setCellText(int period, int column, const QString& text) {
  const QSignalBlocker blocker(this);
  item(period, column)->setText(text);
}

QSize StartTimesGrid::sizeHint() const {
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < ColumnCount; ++column) width += columnWidth(column);
  return {width, QTableWidget::sizeHint().height()};
}

// Leaving the grid registers the plan; focus that only moves into the cell
// editor, or away because a message box or another window became active, does not.
void StartTimesGrid::focusOutEvent(QFocusEvent* event) {
  QTableWidget::focusOutEvent(event);
  const bool windowSwitch = event->reason() == Qt::ActiveWindowFocusReason ||
                            event->reason() == Qt::PopupFocusReason;
  if (!windowSwitch && !isAncestorOf(QApplication::focusWidget())) emit planEdited();
}

// Tab goes FT Start -> PT Start -> next row's FT Start; Backtab goes back.
QModelIndex StartTimesGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || (action != MoveNext && action != MovePrevious))
    return QTableWidget::moveCursor(action, modifiers);
  int row = current.row();
  int column = current.column();
  if (action == MoveNext) {
    if (column == FullTimeStartColumn) {
      column = PartTimeStartColumn;
    } else {
      if (column == PartTimeStartColumn) row = std::min(row + 1, morvane::kPeriods - 1);
      column = FullTimeStartColumn;
    }
  } else {
    if (column == PartTimeStartColumn) {
      column = FullTimeStartColumn;
    } else {
      if (column == FullTimeStartColumn) row = std::max(row - 1, 0);
      column = PartTimeStartColumn;
    }
  }
  return model()->index(row, column);
}

void StartTimesGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  QTableWidget::closeEditor(editor, hint);
  if (hint != QAbstractItemDelegate::RevertModelCache) emit planEdited();
}
