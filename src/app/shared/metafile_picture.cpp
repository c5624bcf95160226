#include "shared/metafile_picture.h"

#include <QPaintDevice>
#include <QPainter>
#include <QWidget>
#include <memory>

#include "shared/metafile_paint_engine.h"
#include "pictures/emf_canvas.h"
#include "pictures/wmf_canvas.h"

namespace {

constexpr int kPixelsPerInch = 96;

// A paint device of the widget's size whose painters draw into a metafile canvas.
class MetafilePaintDevice : public QPaintDevice {
 public:
  MetafilePaintDevice(QSize size, morvane::MetafileCanvas& canvas) : size_(size), engine_(canvas) {}
  ~MetafilePaintDevice() override = default;

  QPaintEngine* paintEngine() const override { return &engine_; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth: return size_.width();
      case PdmHeight: return size_.height();
      case PdmWidthMM: return size_.width() * 254 / (10 * kPixelsPerInch);
      case PdmHeightMM: return size_.height() * 254 / (10 * kPixelsPerInch);
      case PdmNumColors: return 1 << 24;
      case PdmDepth: return 24;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return kPixelsPerInch;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
      default: return QPaintDevice::metric(metric);
    }
  }

 private:
  QSize size_;
  mutable MetafilePaintEngine engine_;
};

std::unique_ptr<morvane::MetafileCanvas> canvasFor(morvane::PictureKind kind, QSize size) {
  if (kind == morvane::PictureKind::WindowsMetafile)
    return std::make_unique<morvane::WmfCanvas>(size.width(), size.height());
  return std::make_unique<morvane::EmfCanvas>(size.width(), size.height());
}

}  // namespace

std::vector<std::uint8_t> metafilePicture(QWidget& widget, morvane::PictureKind kind) {
  const QSize size = widget.size().expandedTo(QSize(1, 1));
  const auto canvas = canvasFor(kind, size);
  {
    MetafilePaintDevice device(size, *canvas);
    QPainter painter(&device);
    widget.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
  }
  return canvas->finish();
}
