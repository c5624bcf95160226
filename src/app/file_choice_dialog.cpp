#include "app/file_choice_dialog.h"

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

FileChoiceDialog* makeChartSaveDialog(QWidget* parent, const QString& objectName) {
  auto* dialog = new FileChoiceDialog(parent, objectName,
                                      {"BMP file (*.bmp)", "Enhanced Meta File (*.emf)",
                                       "Windows Meta File (*.wmf)", "All Files (*.*)"},
                                      "bmp");
  dialog->setOption(QFileDialog::DontConfirmOverwrite);
  return dialog;
}

FileChoiceDialog& pdfFileDialog(QWidget& parent) {
  const QString name = "PdfFileDialog";
  if (auto* dialog = parent.findChild<FileChoiceDialog*>(name, Qt::FindDirectChildrenOnly))
    return *dialog;
  return *new FileChoiceDialog(&parent, name, {"PDF file (*.pdf)"}, "pdf");
}
