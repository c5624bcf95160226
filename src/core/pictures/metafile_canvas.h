// A drawing surface that records GDI-style drawing records into a metafile.
// It keeps the graphics objects (pen, brush, font) a metafile needs: a drawing
// call states the pen, brush or font it wants, and the canvas creates, selects
// and deletes objects only when that changes, so the object table holds at most
// one object of each kind plus the one being swapped in. The encoders of the two
// file formats (Windows metafile and enhanced metafile) derive from it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/dib_image.h"
#include "pictures/little_endian_buffer.h"

namespace morvane {

struct MetaPoint {
  std::int32_t x = 0, y = 0;
};
// Device pixels, `right` and `bottom` exclusive as GDI draws them.
struct MetaRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};
struct MetaColor {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const MetaColor&) const = default;
  // GDI's COLORREF: 0x00BBGGRR.
  std::uint32_t colorRef() const { return red | (green << 8) | (blue << 16); }
};

// GDI pen styles.
enum class MetaLineStyle : std::uint16_t {
  Solid = 0,
  Dash = 1,
  Dot = 2,
  DashDot = 3,
  DashDotDot = 4,
  None = 5
};

struct MetaPen {
  MetaLineStyle style = MetaLineStyle::Solid;
  std::int32_t width = 1;
  MetaColor color;
  bool operator==(const MetaPen&) const = default;
};
struct MetaBrush {
  bool hollow = true;
  MetaColor color;
  bool operator==(const MetaBrush&) const = default;
};
struct MetaFont {
  std::int32_t height = 12;   // em height in pixels
  std::int32_t weight = 400;  // 400 normal, 700 bold
  bool italic = false;
  std::int32_t escapement = 0;  // baseline angle, tenths of a degree counter-clockwise
  std::u16string face = u"Arial";
  bool operator==(const MetaFont&) const = default;
};

class MetafileCanvas {
 public:
  virtual ~MetafileCanvas() = default;

  void setPen(const MetaPen& pen) { wantedPen_ = pen; }
  void setBrush(const MetaBrush& brush) { wantedBrush_ = brush; }
  void setFont(const MetaFont& font) { wantedFont_ = font; }
  void setTextColor(MetaColor color) { wantedTextColor_ = color; }

  void polyline(std::span<const MetaPoint> points);
  void polygon(std::span<const MetaPoint> points);
  void rectangle(const MetaRect& box);
  void ellipse(const MetaRect& box);
  // Text on a baseline starting at `origin`; `advances` holds each character's
  // advance in pixels (the same count as the characters).
  void text(MetaPoint origin, std::u16string_view characters,
            std::span<const std::int32_t> advances);
  // A picture of width x height colours 0x00RRGGBB, top row first, stretched to `target`.
  void image(const MetaRect& target, int width, int height, std::span<const std::uint32_t> pixels);
  // The whole file. Call once, after the last drawing call.
  std::vector<std::uint8_t> finish() { return writeEnd(); }

 protected:
  explicit MetafileCanvas(std::uint32_t firstSlot) : firstSlot_(firstSlot) {}

  enum class Shape { Rectangle, Ellipse };
  virtual void writePen(std::uint32_t slot, const MetaPen& pen) = 0;
  virtual void writeBrush(std::uint32_t slot, const MetaBrush& brush) = 0;
  virtual void writeFont(std::uint32_t slot, const MetaFont& font) = 0;
  virtual void writeSelect(std::uint32_t slot) = 0;
  virtual void writeDelete(std::uint32_t slot) = 0;
  virtual void writeTextColor(MetaColor color) = 0;
  virtual void writePoly(std::span<const MetaPoint> points, bool closed) = 0;
  virtual void writeShape(const MetaRect& box, Shape shape) = 0;
  virtual void writeText(MetaPoint origin, std::u16string_view characters,
                         std::span<const std::int32_t> advances) = 0;
  virtual void writeImage(const MetaRect& target, int width, int height, const DibImage& dib) = 0;
  virtual std::vector<std::uint8_t> writeEnd() = 0;

  // The eight one-byte fields of a LOGFONT after its weight: italic, then
  // plain, ANSI, default precisions, antialiased, default pitch and family.
  static void writeFontFlags(LittleEndianBuffer& out, const MetaFont& font);

  // The most slots the object table has needed so far.
  std::uint32_t slotsUsed() const {
    return static_cast<std::uint32_t>(slotInUse_.size()) + firstSlot_;
  }

 private:
  template <class T>
  struct Selected {
    std::optional<T> value;
    std::uint32_t slot = 0;
  };
  template <class T>
  void select(Selected<T>& selected, const T& wanted,
              void (MetafileCanvas::*write)(std::uint32_t, const T&));
  void preparePenAndBrush();
  std::uint32_t takeSlot();
  void freeSlot(std::uint32_t slot);

  std::uint32_t firstSlot_;
  std::vector<bool> slotInUse_;  // index 0 is slot firstSlot_
  MetaPen wantedPen_;
  MetaBrush wantedBrush_;
  MetaFont wantedFont_;
  MetaColor wantedTextColor_;
  Selected<MetaPen> pen_;
  Selected<MetaBrush> brush_;
  Selected<MetaFont> font_;
  std::optional<MetaColor> textColor_;
};

}  // namespace morvane
