// Printing pages on the default printer. Many Linux machines have no printer
// installed: then the planner is offered the same pages as a PDF file instead.
// Every outcome but a plain successful print is told to the planner.
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

#include "base/user_interface.h"

class QPagedPaintDevice;
class QPainter;
class QWidget;

// Draws the pages with `paint` on a painter begun on the printer (or PDF file);
// every page then gets its header (page_header.h).
using PagePainter = std::function<void(QPainter&, QPagedPaintDevice&)>;

// `what` names the document in the messages ("summary", "chart"); `parent` is
// the window whose PDF file dialog (pdfFileDialog) chooses the file.
void printPages(QWidget& parent, morvane::UserInterface& ui, const std::string& what,
                const PagePainter& paint,
                QPageLayout::Orientation orientation = QPageLayout::Portrait);

// The pages as a PDF file, written whole or not at all; false when it could not be.
bool printToPdf(const QString& fileName, const PagePainter& paint,
                QPageLayout::Orientation orientation = QPageLayout::Portrait);
