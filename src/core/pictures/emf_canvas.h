// Enhanced metafile (EMF) encoder: device pixels at 96 pixels per inch,
// 32-bit coordinates, Unicode text with per-character advances, and the object
// table of the canvas it derives from.
#pragma once

#include <cstddef>
#include <cstdint>

#include "pictures/little_endian_buffer.h"
#include "pictures/metafile_canvas.h"

namespace morvane {

class EmfCanvas : public MetafileCanvas {
 public:
  // A picture of width x height pixels.
  EmfCanvas(int width, int height);

  static constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"
  static constexpr std::uint32_t kHeaderSize = 108;

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
  void writeHeader(int width, int height);
  void begin(std::uint32_t type);
  void end();
  void record(std::uint32_t type, std::initializer_list<std::int32_t> values);
  void rect(const MetaRect& box);

  LittleEndianBuffer out_;
  std::size_t recordStart_ = 0;
  std::uint32_t records_ = 0;
};

}  // namespace morvane
