#include "ga_window/run_report.h"

#include <QFontDatabase>

RunReportBox::RunReportBox(QWidget* parent) : QListWidget(parent) {
  setObjectName("InitPopBox");
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Long lines scroll sideways rather than end in "..."; every line is measured,
  // so the list is as wide as its longest line.
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void RunReportBox::insertLine(const QString& line) { insertItem(0, line); }

std::vector<std::string> RunReportBox::lines() const {
  std::vector<std::string> all;
  all.reserve(static_cast<std::size_t>(count()));
  for (int row = 0; row < count(); ++row) all.push_back(item(row)->text().toStdString());
  return all;
}
