#include "shared/chart_picture.h"

#include <QChartView>
#include <QImage>
#include <QPalette>
#include <QSaveFile>
#include <QWidget>

#include "shared/metafile_picture.h"

namespace {

bool writeBitmap(const QImage& image, const QString& fileName) {
  QSaveFile file(fileName);
  return file.open(QIODevice::WriteOnly) && image.save(&file, "BMP") && file.commit();
}

bool writeBytes(const std::vector<std::uint8_t>& bytes, const QString& fileName) {
  QSaveFile file(fileName);
  const auto size = static_cast<qint64>(bytes.size());
  return file.open(QIODevice::WriteOnly) &&
         file.write(reinterpret_cast<const char*>(bytes.data()), size) == size && file.commit();
}

QList<QChart*> chartsIn(QWidget& widget) {
  QList<QChartView*> views = widget.findChildren<QChartView*>();
  if (auto* view = qobject_cast<QChartView*>(&widget)) views.prepend(view);
  QList<QChart*> charts;
  for (QChartView* view : views) charts.append(view->chart());
  return charts;
}

// The chart drawn on white: the widgets' palette and the charts' own
// backgrounds are switched to white for the picture and back afterwards.
QImage onWhite(QWidget& chart) {
  QImage image(chart.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  const QList<QChart*> charts = chartsIn(chart);
  QList<QBrush> backgrounds;
  for (QChart* c : charts) {
    backgrounds.append(c->backgroundBrush());
    c->setBackgroundBrush(Qt::white);
  }
  const bool ownPalette = chart.testAttribute(Qt::WA_SetPalette);
  const QPalette palette = chart.palette();
  QPalette white = palette;
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
    white.setColor(role, Qt::white);
  chart.setPalette(white);
  chart.render(&image);
  chart.setPalette(ownPalette ? palette : QPalette());
  for (qsizetype i = 0; i < charts.size(); ++i) charts[i]->setBackgroundBrush(backgrounds[i]);
  return image;
}

}  // namespace

bool writeChartPicture(QWidget& chart, const QString& fileName, morvane::PictureKind kind) {
  if (kind == morvane::PictureKind::Bitmap) return writeBitmap(chart.grab().toImage(), fileName);
  return writeBytes(metafilePicture(chart, kind), fileName);
}

bool saveTradeoffMap(QWidget& chart, int generation, morvane::UserInterface& ui) {
  if (!morvane::isTradeoffMapGeneration(generation)) return false;
  const std::string name = morvane::tradeoffMapFileName(generation);
  if (writeBitmap(onWhite(chart), QString::fromStdString(name))) return true;
  ui.message(morvane::MessageKind::Error, "File not saved ... unable to write <" + name + ">");
  return false;
}
