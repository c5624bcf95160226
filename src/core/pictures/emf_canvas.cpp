#include "pictures/emf_canvas.h"

#include <algorithm>
#include <limits>

namespace morvane {
namespace {

// Record types of the enhanced metafile format.
enum : std::uint32_t {
  kHeader = 1,
  kPolygon = 3,
  kPolyline = 4,
  kEof = 14,
  kSetMapMode = 17,
  kSetBkMode = 18,
  kSetPolyFillMode = 19,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kRectangle = 43,
  kStretchDiBits = 81,
  kExtCreateFontIndirectW = 82,
  kExtTextOutW = 84,
};
constexpr std::int32_t kMapText = 1;
constexpr std::int32_t kTransparent = 1;
constexpr std::uint32_t kSourceCopy = 0x00CC0020;
constexpr std::uint32_t kImageRecordFixedBytes = 80;  // up to the bitmap header
constexpr std::int32_t kAlignBaseline = 24;
constexpr std::int32_t kFillAlternate = 1;
constexpr std::int32_t kCompatibleGraphics = 1;
constexpr std::size_t kFaceChars = 32;
constexpr std::uint32_t kTextRecordFixedBytes = 76;  // up to the string

// The reference device: 960 x 960 pixels on 254 x 254 mm, i.e. 96 pixels per inch.
constexpr std::int32_t kDevicePixels = 960;
constexpr std::int32_t kDeviceMillimetres = 254;

std::int32_t hundredthsOfMillimetre(std::int32_t pixels) { return pixels * 2540 / 96; }

MetaRect boundsOf(std::span<const MetaPoint> points) {
  MetaRect box{std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max(),
               std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::min()};
  for (const MetaPoint& p : points) {
    box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x),
           std::max(box.bottom, p.y)};
  }
  return box;
}

}  // namespace

EmfCanvas::EmfCanvas(int width, int height) : MetafileCanvas(1) {
  writeHeader(width, height);
  record(kSetMapMode, {kMapText});
  record(kSetBkMode, {kTransparent});
  record(kSetTextAlign, {kAlignBaseline});
  record(kSetPolyFillMode, {kFillAlternate});
}

// Bounds in pixels and frame in 0.01 mm, both inclusive; the file size, record
// count and handle count are filled in by writeEnd.
void EmfCanvas::writeHeader(int width, int height) {
  begin(kHeader);
  rect({0, 0, width - 1, height - 1});
  rect({0, 0, hundredthsOfMillimetre(width) - 1, hundredthsOfMillimetre(height) - 1});
  out_.u32(kSignature);
  out_.u32(0x00010000);  // version
  out_.u32(0);           // bytes
  out_.u32(0);           // records
  out_.u16(0);           // handles
  out_.u16(0);           // reserved
  out_.zeros(12);        // no description, no palette
  for (const std::int32_t size :
       {kDevicePixels, kDevicePixels, kDeviceMillimetres, kDeviceMillimetres})
    out_.i32(size);
  out_.zeros(12);  // no pixel format, not OpenGL
  out_.i32(kDeviceMillimetres * 1000);
  out_.i32(kDeviceMillimetres * 1000);
  end();
}

void EmfCanvas::begin(std::uint32_t type) {
  recordStart_ = out_.size();
  out_.u32(type);
  out_.u32(0);
}

void EmfCanvas::end() {
  while (out_.size() % 4 != 0) out_.u8(0);
  out_.patchU32(recordStart_ + 4, static_cast<std::uint32_t>(out_.size() - recordStart_));
  ++records_;
}

void EmfCanvas::record(std::uint32_t type, std::initializer_list<std::int32_t> values) {
  begin(type);
  for (const std::int32_t value : values) out_.i32(value);
  end();
}

void EmfCanvas::rect(const MetaRect& box) {
  for (const std::int32_t value : {box.left, box.top, box.right, box.bottom}) out_.i32(value);
}

void EmfCanvas::writePen(std::uint32_t slot, const MetaPen& pen) {
  record(kCreatePen, {static_cast<std::int32_t>(slot), static_cast<std::int32_t>(pen.style),
                      pen.width, 0, static_cast<std::int32_t>(pen.color.colorRef())});
}

void EmfCanvas::writeBrush(std::uint32_t slot, const MetaBrush& brush) {
  record(kCreateBrushIndirect, {static_cast<std::int32_t>(slot), brush.hollow ? 1 : 0,
                                static_cast<std::int32_t>(brush.color.colorRef()), 0});
}

void EmfCanvas::writeFont(std::uint32_t slot, const MetaFont& font) {
  begin(kExtCreateFontIndirectW);
  out_.u32(slot);
  for (const std::int32_t value : {-font.height, 0, font.escapement, font.escapement, font.weight})
    out_.i32(value);
  writeFontFlags(out_, font);
  const std::size_t written = std::min(font.face.size(), kFaceChars - 1);
  for (std::size_t i = 0; i < written; ++i) out_.u16(font.face[i]);
  out_.zeros(2 * (kFaceChars - written));
  end();
}

void EmfCanvas::writeSelect(std::uint32_t slot) {
  record(kSelectObject, {static_cast<std::int32_t>(slot)});
}

void EmfCanvas::writeDelete(std::uint32_t slot) {
  record(kDeleteObject, {static_cast<std::int32_t>(slot)});
}

void EmfCanvas::writeTextColor(MetaColor color) {
  record(kSetTextColor, {static_cast<std::int32_t>(color.colorRef())});
}

void EmfCanvas::writePoly(std::span<const MetaPoint> points, bool closed) {
  begin(closed ? kPolygon : kPolyline);
  rect(boundsOf(points));
  out_.u32(static_cast<std::uint32_t>(points.size()));
  for (const MetaPoint& p : points) {
    out_.i32(p.x);
    out_.i32(p.y);
  }
  end();
}

void EmfCanvas::writeShape(const MetaRect& box, Shape shape) {
  begin(shape == Shape::Rectangle ? kRectangle : kEllipse);
  rect(box);
  end();
}

// EMR_EXTTEXTOUTW: bounds not computed (0, 0, -1, -1), the text's reference
// point, its UTF-16 characters and one advance per character.
void EmfCanvas::writeText(MetaPoint origin, std::u16string_view characters,
                          std::span<const std::int32_t> advances) {
  const auto count = static_cast<std::uint32_t>(characters.size());
  const std::uint32_t stringBytes = (2 * count + 3) / 4 * 4;
  begin(kExtTextOutW);
  rect({0, 0, -1, -1});
  out_.i32(kCompatibleGraphics);
  out_.f32(0);
  out_.f32(0);
  out_.i32(origin.x);
  out_.i32(origin.y);
  out_.u32(count);
  out_.u32(kTextRecordFixedBytes);
  out_.u32(0);  // no options, so the rectangle below is unused
  rect({0, 0, 0, 0});
  out_.u32(kTextRecordFixedBytes + stringBytes);
  for (const char16_t c : characters) out_.u16(c);
  out_.zeros(stringBytes - 2 * count);
  for (std::uint32_t i = 0; i < count; ++i) out_.i32(i < advances.size() ? advances[i] : 0);
  end();
}

void EmfCanvas::writeImage(const MetaRect& target, int width, int height, const DibImage& dib) {
  const auto headerBytes = static_cast<std::uint32_t>(dib.header.size());
  const auto bitsBytes = static_cast<std::uint32_t>(dib.bits.size());
  begin(kStretchDiBits);
  rect({target.left, target.top, target.right - 1, target.bottom - 1});
  for (const std::int32_t value : {target.left, target.top, 0, 0, width, height}) out_.i32(value);
  out_.u32(kImageRecordFixedBytes);
  out_.u32(headerBytes);
  out_.u32(kImageRecordFixedBytes + headerBytes);
  out_.u32(bitsBytes);
  out_.u32(0);  // colours are RGB values
  out_.u32(kSourceCopy);
  out_.i32(target.right - target.left);
  out_.i32(target.bottom - target.top);
  for (const std::uint8_t byte : dib.header) out_.u8(byte);
  for (const std::uint8_t byte : dib.bits) out_.u8(byte);
  end();
}

std::vector<std::uint8_t> EmfCanvas::writeEnd() {
  record(kEof, {0, 16, 20});  // no palette; the last word repeats the record's size
  out_.patchU32(48, static_cast<std::uint32_t>(out_.size()));
  out_.patchU32(52, records_);
  out_.patchU16(56, static_cast<std::uint16_t>(slotsUsed()));
  return out_.release();
}

}  // namespace morvane
