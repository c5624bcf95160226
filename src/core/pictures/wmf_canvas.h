// Windows metafile (WMF) encoder: a placeable metafile in device pixels at
// 96 pixels per inch, with 16-bit coordinates, ANSI text and the object table
// of the canvas it derives from.
#pragma once

#include <cstddef>
#include <cstdint>

#include "pictures/little_endian_buffer.h"
#include "pictures/metafile_canvas.h"

namespace morvane {

class WmfCanvas : public MetafileCanvas {
 public:
  // A picture of width x height pixels.
  WmfCanvas(int width, int height);

  static constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
  static constexpr std::size_t kPlaceableSize = 22;  // bytes before the metafile header
  static constexpr std::size_t kMaxPolyPoints = 32767;

 protected:
  void writePen(std::uint32_t slot, const MetaPen& pen) override;
  void writeBrush(std::uint32_t slot, const MetaBrush& brush) override;
  void writeFont(std::uint32_t slot, const MetaFont& font) override;
  void writeSelect(std::uint32_t slot) override;
  void writeDelete(std::uint32_t slot) override;
  void writeTextColor(MetaColor color) override;
  void writePoly(std::span<const MetaPoint> points, bool closed) override;
  void writeShape(const MetaRect& box, Shape shape) override;
  void writeText(MetaPoint origin, std::u16string_view characters,
                 std::span<const std::int32_t> advances) override;
  void writeImage(const MetaRect& target, int width, int height, const DibImage& dib) override;
  std::vector<std::uint8_t> writeEnd() override;

 private:
  void writePlaceableHeader(int width, int height);
  void writeMetaHeader();
  void begin(std::uint16_t function);
  void end();
  void record(std::uint16_t function, std::initializer_list<std::int16_t> words);
  void point(MetaPoint p);

  LittleEndianBuffer out_;
  std::size_t recordStart_ = 0;
  std::uint32_t maxRecordWords_ = 0;
};

}  // namespace morvane
