#include "pictures/wmf_canvas.h"

#include <algorithm>
#include <vector>

namespace morvane {
namespace {

// Record functions of the Windows metafile format.
enum : std::uint16_t {
  kEof = 0x0000,
  kSetBkMode = 0x0102,
  kSetPolyFillMode = 0x0106,
  kSelectObject = 0x012D,
  kSetTextAlign = 0x012E,
  kDeleteObject = 0x01F0,
  kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB,
  kCreateBrushIndirect = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kTextOut = 0x0521,
  kStretchDib = 0x0F43,
};
constexpr std::int16_t kTransparent = 1;
constexpr std::uint32_t kSourceCopy = 0x00CC0020;
constexpr std::int16_t kAlignBaseline = 24;
constexpr std::int16_t kFillAlternate = 1;
constexpr std::size_t kFaceBytes = 32;

std::int16_t clamp16(std::int32_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(value, -32768, 32767));
}

// Windows metafile text is ANSI: characters beyond Latin-1 show as "?".
std::uint8_t ansi(char16_t c) { return c < 0x100 ? static_cast<std::uint8_t>(c) : '?'; }

// Every step-th point, last one kept: a polygon has to stay one record.
std::vector<MetaPoint> thinned(std::span<const MetaPoint> points, std::size_t limit) {
  const std::size_t step = (points.size() + limit - 2) / (limit - 1);
  std::vector<MetaPoint> kept;
  for (std::size_t i = 0; i < points.size(); i += step) kept.push_back(points[i]);
  kept.push_back(points.back());
  return kept;
}

}  // namespace

WmfCanvas::WmfCanvas(int width, int height) : MetafileCanvas(0) {
  writePlaceableHeader(width, height);
  writeMetaHeader();
  record(kSetWindowOrg, {0, 0});
  record(kSetWindowExt, {clamp16(height), clamp16(width)});
  record(kSetBkMode, {kTransparent});
  record(kSetTextAlign, {kAlignBaseline});
  record(kSetPolyFillMode, {kFillAlternate});
}

// The placeable header gives the picture's size: a bounding box in pixels and
// 96 pixels per inch; its checksum is the XOR of its first ten 16-bit words.
void WmfCanvas::writePlaceableHeader(int width, int height) {
  const std::uint16_t words[10] = {static_cast<std::uint16_t>(kPlaceableKey & 0xFFFF),
                                   static_cast<std::uint16_t>(kPlaceableKey >> 16),
                                   0,
                                   0,
                                   0,
                                   static_cast<std::uint16_t>(clamp16(width)),
                                   static_cast<std::uint16_t>(clamp16(height)),
                                   96,
                                   0,
                                   0};
  std::uint16_t checksum = 0;
  for (const std::uint16_t word : words) {
    out_.u16(word);
    checksum ^= word;
  }
  out_.u16(checksum);
}

// Type 1 (memory), 9-word header, version 3.0; size, object count and largest
// record are filled in by writeEnd.
void WmfCanvas::writeMetaHeader() {
  out_.u16(1);
  out_.u16(9);
  out_.u16(0x0300);
  out_.u32(0);
  out_.u16(0);
  out_.u32(0);
  out_.u16(0);
}

void WmfCanvas::begin(std::uint16_t function) {
  recordStart_ = out_.size();
  out_.u32(0);
  out_.u16(function);
}

void WmfCanvas::end() {
  const auto words = static_cast<std::uint32_t>((out_.size() - recordStart_) / 2);
  out_.patchU32(recordStart_, words);
  maxRecordWords_ = std::max(maxRecordWords_, words);
}

void WmfCanvas::record(std::uint16_t function, std::initializer_list<std::int16_t> words) {
  begin(function);
  for (const std::int16_t word : words) out_.i16(word);
  end();
}

void WmfCanvas::point(MetaPoint p) {
  out_.i16(clamp16(p.x));
  out_.i16(clamp16(p.y));
}

void WmfCanvas::writePen(std::uint32_t, const MetaPen& pen) {
  begin(kCreatePenIndirect);
  out_.u16(static_cast<std::uint16_t>(pen.style));
  point({pen.width, 0});
  out_.u32(pen.color.colorRef());
  end();
}

void WmfCanvas::writeBrush(std::uint32_t, const MetaBrush& brush) {
  begin(kCreateBrushIndirect);
  out_.u16(brush.hollow ? 1 : 0);  // BS_NULL or BS_SOLID
  out_.u32(brush.color.colorRef());
  out_.u16(0);
  end();
}

void WmfCanvas::writeFont(std::uint32_t, const MetaFont& font) {
  begin(kCreateFontIndirect);
  for (const std::int32_t word : {-font.height, 0, font.escapement, font.escapement, font.weight})
    out_.i16(clamp16(word));
  writeFontFlags(out_, font);
  std::size_t written = 0;
  for (; written < font.face.size() && written + 1 < kFaceBytes; ++written)
    out_.u8(ansi(font.face[written]));
  out_.zeros(kFaceBytes - written);
  end();
}

void WmfCanvas::writeSelect(std::uint32_t slot) {
  record(kSelectObject, {static_cast<std::int16_t>(slot)});
}

void WmfCanvas::writeDelete(std::uint32_t slot) {
  record(kDeleteObject, {static_cast<std::int16_t>(slot)});
}

void WmfCanvas::writeTextColor(MetaColor color) {
  begin(kSetTextColor);
  out_.u32(color.colorRef());
  end();
}

// A record holds at most 32767 points: long lines go out in pieces that share
// their end points, long polygons are thinned.
void WmfCanvas::writePoly(std::span<const MetaPoint> points, bool closed) {
  if (closed && points.size() > kMaxPolyPoints) {
    const auto kept = thinned(points, kMaxPolyPoints);
    writePoly(kept, true);
    return;
  }
  for (std::size_t first = 0; first + 1 < points.size() || first == 0;
       first += kMaxPolyPoints - 1) {
    const auto piece = points.subspan(first, std::min(kMaxPolyPoints, points.size() - first));
    begin(closed ? kPolygon : kPolyline);
    out_.i16(static_cast<std::int16_t>(piece.size()));
    for (const MetaPoint& p : piece) point(p);
    end();
    if (closed) break;
  }
}

void WmfCanvas::writeShape(const MetaRect& box, Shape shape) {
  record(shape == Shape::Rectangle ? kRectangle : kEllipse,
         {clamp16(box.bottom), clamp16(box.right), clamp16(box.top), clamp16(box.left)});
}

void WmfCanvas::writeText(MetaPoint origin, std::u16string_view characters,
                          std::span<const std::int32_t>) {
  begin(kTextOut);
  out_.i16(static_cast<std::int16_t>(std::min<std::size_t>(characters.size(), 32767)));
  for (std::size_t i = 0; i < characters.size() && i < 32767; ++i) out_.u8(ansi(characters[i]));
  if (out_.size() % 2 != 0) out_.u8(0);
  out_.i16(clamp16(origin.y));
  out_.i16(clamp16(origin.x));
  end();
}

void WmfCanvas::writeImage(const MetaRect& target, int width, int height, const DibImage& dib) {
  begin(kStretchDib);
  out_.u32(kSourceCopy);
  out_.u16(0);  // colours are RGB values
  for (const std::int32_t word : {height, width, 0, 0, target.bottom - target.top,
                                  target.right - target.left, target.top, target.left})
    out_.i16(clamp16(word));
  for (const std::uint8_t byte : dib.header) out_.u8(byte);
  for (const std::uint8_t byte : dib.bits) out_.u8(byte);
  end();
}

std::vector<std::uint8_t> WmfCanvas::writeEnd() {
  record(kEof, {});
  const std::size_t header = kPlaceableSize;
  out_.patchU32(header + 6, static_cast<std::uint32_t>((out_.size() - header) / 2));
  out_.patchU16(header + 10, static_cast<std::uint16_t>(slotsUsed()));
  out_.patchU32(header + 12, maxRecordWords_);
  return out_.release();
}

}  // namespace morvane
