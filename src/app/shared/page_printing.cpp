#include "shared/page_printing.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include "shared/file_choice_dialog.h"
#include "shared/page_header.h"

namespace {

// The pages the painter draws on a PDF page of the layout given: the "of m" of the headers.
int PageCount(const QPageLayout& layout, int resolution, const PagePainter& paint) {
  QBuffer discarded;
  discarded.open(QIODevice::WriteOnly);
  HeadedPages<QPdfWriter> writer(&discarded);
  writer.setResolution(resolution);
  writer.setPageLayout(layout);
  QPainter painter;
  if (!painter.begin(&writer)) return 1;
  paint(painter, writer);
  painter.end();
  return writer.pages();
}

// The pages with a header each, on a device the painter has begun on.
template <class Device>
void PaintHeaded(QPainter& painter, HeadedPages<Device>& device, const PagePainter& paint) {
  const PageHeader header{QString(), QDateTime::currentDateTime(),
                          PageCount(device.pageLayout(), device.resolution(), paint)};
  device.pageDone = [&](int page) { paintPageHeader(painter, device, header, page); };
  paint(painter, device);
  device.finish();
}

void printOnPrinter(const QPrinterInfo& info, morvane::UserInterface& ui,
                    const PagePainter& paint, QPageLayout::Orientation orientation) {
  HeadedPages<QPrinter> printer(info, QPrinter::HighResolution);
  printer.setPageOrientation(orientation);
  QPainter painter;
  const std::string name = info.printerName().toStdString();
  if (!painter.begin(&printer)) {
    ui.message(morvane::MessageKind::Error, "Printer error: unable to print on " + name);
    return;
  }
  PaintHeaded(painter, printer, paint);
  if (!painter.end() || printer.printerState() == QPrinter::Error)
    ui.message(morvane::MessageKind::Error, "Printer error: printing on " + name + " failed");
}

}  // namespace

bool printToPdf(const QString& fileName, const PagePainter& paint,
                QPageLayout::Orientation orientation) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    HeadedPages<QPdfWriter> writer(&file);
    writer.setResolution(300);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15),
                          QPageLayout::Millimeter);  // a printer's border
    writer.setCreator("Morvane");
    writer.setPageOrientation(orientation);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    PaintHeaded(painter, writer, paint);
    if (!painter.end()) return false;
  }
  return file.commit();
}

void printPages(QWidget& parent, morvane::UserInterface& ui, const std::string& what,
                const PagePainter& paint, QPageLayout::Orientation orientation) {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (!printer.isNull()) {
    printOnPrinter(printer, ui, paint, orientation);
    return;
  }
  if (!ui.ask("No printer is installed.\rDo you want to save the " + what +
              " as a PDF file instead?"))
    return;
  const QString file = pdfFileDialog(parent).chooseFile();
  if (file.isEmpty()) return;
  const std::string name = file.toStdString();
  if (printToPdf(file, paint, orientation))
    ui.message(morvane::MessageKind::Information,
               "The " + what + " was saved as PDF file <" + name + ">");
  else
    ui.message(morvane::MessageKind::Error, "File not saved ... unable to write <" + name + ">");
}
