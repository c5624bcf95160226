#include "shared/page_printing.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include "shared/file_choice_dialog.h"

namespace {

void printOnPrinter(const QPrinterInfo& info, morvane::UserInterface& ui,
                    const PagePainter& paint) {
  QPrinter printer(info, QPrinter::HighResolution);
  QPainter painter;
  const std::string name = info.printerName().toStdString();
  if (!painter.begin(&printer)) {
    ui.message(morvane::MessageKind::Error, "Printer error: unable to print on " + name);
    return;
  }
  paint(painter, printer);
  if (!painter.end() || printer.printerState() == QPrinter::Error)
    ui.message(morvane::MessageKind::Error, "Printer error: printing on " + name + " failed");
}

}  // namespace

bool printToPdf(const QString& fileName, const PagePainter& paint) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    QPdfWriter writer(&file);
    writer.setResolution(300);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15),
                          QPageLayout::Millimeter);  // a printer's border
    writer.setCreator("Morvane");
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    paint(painter, writer);
    if (!painter.end()) return false;
  }
  return file.commit();
}

void printPages(QWidget& parent, morvane::UserInterface& ui, const std::string& what,
                const PagePainter& paint) {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (!printer.isNull()) {
    printOnPrinter(printer, ui, paint);
    return;
  }
  if (!ui.ask("No printer is installed.\rDo you want to save the " + what +
              " as a PDF file instead?"))
    return;
  const QString file = pdfFileDialog(parent).chooseFile();
  if (file.isEmpty()) return;
  const std::string name = file.toStdString();
  if (printToPdf(file, paint))
    ui.message(morvane::MessageKind::Information,
               "The " + what + " was saved as PDF file <" + name + ">");
  else
    ui.message(morvane::MessageKind::Error, "File not saved ... unable to write <" + name + ">");
}
