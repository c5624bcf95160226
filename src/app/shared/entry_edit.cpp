#include "shared/entry_edit.h"

#include <QApplication>
#include <QFocusEvent>

#include "shared/qt_user_interface.h"

void ShowEntryOutcome(QLineEdit* edit, const morvane::EntryOutcome& outcome, morvane::UserInterface& ui) {
  if (outcome.beep) QApplication::beep();
  if (outcome.boxText) edit->setText(QString::fromStdString(*outcome.boxText));
  const MessageTitle title(edit->accessibleName());
  for (const std::string& warning : outcome.warnings) ui.message(morvane::MessageKind::Warning, warning);
}

EntryEdit::EntryEdit(const QString& objectName, const QString& hint, QWidget* parent)
    : QLineEdit(parent) {
  setObjectName(objectName);
  setToolTip(hint);
}

void EntryEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A message box or another window taking the focus is not leaving the box,
  // and neither is the box being disabled (a computation locks the window).
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason &&
      isEnabled())
    emit exited();
}

bool ValidateIntEdit(QLineEdit* edit, std::int32_t& value, std::int32_t low, std::int32_t high,
                     morvane::UserInterface& ui) {
  if (edit->text().isEmpty()) return false;
  ShowEntryOutcome(edit, morvane::ValidateIntEdit(edit->text().toStdString(), value, low, high), ui);
  return true;
}

bool ValidateRealEdit(QLineEdit* edit, morvane::Real& value, morvane::Real low, morvane::Real high,
                      int precision, morvane::UserInterface& ui, const morvane::NumberLocale& locale) {
  if (edit->text().isEmpty()) return false;
  morvane::EntryOutcome outcome =
      morvane::ValidateRealEdit(edit->text().toStdString(), value, low, high, locale);
  if (!outcome.stored) outcome.boxText = morvane::NumberText(value, precision, 2, locale);
  ShowEntryOutcome(edit, outcome, ui);
  return true;
}
