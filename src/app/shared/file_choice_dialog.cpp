#include "shared/file_choice_dialog.h"

FileChoiceDialog::FileChoiceDialog(QWidget* parent, const QString& objectName,
                                   const QStringList& filters, const QString& defaultSuffix)
    : QFileDialog(parent) {
  setObjectName(objectName);
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  setNameFilters(filters);
  selectNameFilter(filters.value(0));
  setDefaultSuffix(defaultSuffix);
}

QString FileChoiceDialog::chooseFile() {
  if (chooser_) return chooser_(*this);
  if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) return {};
  return selectedFiles().constFirst();
}

namespace {

FileChoiceDialog& childDialog(QWidget& window, const QString& objectName,
                              const QStringList& filters, const QString& defaultSuffix,
                              bool confirmOverwrite) {
  if (auto* dialog = window.findChild<FileChoiceDialog*>(objectName, Qt::FindDirectChildrenOnly))
    return *dialog;
  auto* dialog = new FileChoiceDialog(&window, objectName, filters, defaultSuffix);
  dialog->setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
  return *dialog;
}

}  // namespace

FileChoiceDialog& chartSaveDialog(QWidget& window, const QString& objectName) {
  return childDialog(window, objectName,
                     {"BMP file (*.bmp)", "Enhanced Meta File (*.emf)", "Windows Meta File (*.wmf)",
                      "All Files (*.*)"},
                     "bmp", false);
}

FileChoiceDialog& pdfFileDialog(QWidget& window) {
  return childDialog(window, "PdfFileDialog", {"PDF file (*.pdf)"}, "pdf", true);
}
