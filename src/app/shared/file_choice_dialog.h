// A save dialog whose answer can be scripted. Windows own one per dialog of
// theirs (found by its object name); the procedures that need a file name ask
// it through chooseFile(), and tests replace what it answers with setChooser().
#pragma once

#include <QFileDialog>
#include <functional>

class FileChoiceDialog : public QFileDialog {
  Q_OBJECT

 public:
  using Chooser = std::function<QString(FileChoiceDialog&)>;

  // `filters` in Qt's form ("BMP file (*.bmp)"); the first is selected.
  FileChoiceDialog(QWidget* parent, const QString& objectName, const QStringList& filters,
                   const QString& defaultSuffix);

  // The file chosen, or an empty text when the planner cancels.
  QString chooseFile();
  // Answers chooseFile() with `chooser` instead of showing the dialog.
  void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }

 private:
  Chooser chooser_;
};

// The chart save dialog of `window` called `objectName` ("SaveMap",
// "SaveChart"), made on first use: filter "BMP file|*.bmp|Enhanced Meta
// File|*.emf|Windows Meta File|*.wmf|All Files|*.*", default extension bmp. It
// asks no replace question of its own: the saving procedure does.
FileChoiceDialog& chartSaveDialog(QWidget& window, const QString& objectName);
// The same, for a window that keeps the dialog as a member from its constructor.
inline FileChoiceDialog* makeChartSaveDialog(QWidget* window, const QString& objectName) {
  return &chartSaveDialog(*window, objectName);
}

// The PDF file dialog of `window`, made on first use, object name "PdfFileDialog".
FileChoiceDialog& pdfFileDialog(QWidget& window);
