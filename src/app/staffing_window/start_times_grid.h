// The start-times grid: a frozen heading row over 96 period rows. Columns 0 to
// 5 are fixed (yellow, read-only); columns 6 and 7 take the FT and PT starts.
// Tab and Backtab hop between the two start columns, so a planner can type a
// column of counts without touching the mouse; Tab or Enter registers an entry.
#pragma once

#include <QTableWidget>

class StartTimesGrid : public QTableWidget {
  Q_OBJECT

 public:
  enum Column {
    TimeColumn,
    ArrivalsColumn,
    MinServersColumn,
    OnDutyColumn,
    FullTimeOnColumn,
    PartTimeOnColumn,
    FullTimeStartColumn,
    PartTimeStartColumn,
    ColumnCount
  };

  explicit StartTimesGrid(QWidget* parent = nullptr);

  QString cellText(int period, int column) const;
  // Writes a cell without reporting an edit.
  void setCellText(int period, int column, const QString& text);

  QSize sizeHint() const override;

 signals:
  // An entry was registered, another cell was selected or the grid was left:
  // the plan on screen may have changed.
  void planEdited();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  void addRows();
};
