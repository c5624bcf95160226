#include "pictures/metafile_canvas.h"

#include <algorithm>

namespace morvane {

void MetafileCanvas::polyline(std::span<const MetaPoint> points) {
  if (points.size() < 2) return;
  preparePenAndBrush();
  writePoly(points, false);
}

void MetafileCanvas::polygon(std::span<const MetaPoint> points) {
  if (points.size() < 3) return;
  preparePenAndBrush();
  writePoly(points, true);
}

void MetafileCanvas::rectangle(const MetaRect& box) {
  preparePenAndBrush();
  writeShape(box, Shape::Rectangle);
}

void MetafileCanvas::ellipse(const MetaRect& box) {
  preparePenAndBrush();
  writeShape(box, Shape::Ellipse);
}

void MetafileCanvas::text(MetaPoint origin, std::u16string_view characters,
                          std::span<const std::int32_t> advances) {
  if (characters.empty()) return;
  select(font_, wantedFont_, &MetafileCanvas::writeFont);
  if (textColor_ != wantedTextColor_) {
    writeTextColor(wantedTextColor_);
    textColor_ = wantedTextColor_;
  }
  writeText(origin, characters, advances);
}

void MetafileCanvas::image(const MetaRect& target, int width, int height,
                           std::span<const std::uint32_t> pixels) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height)
    return;
  writeImage(target, width, height, makeDibImage(width, height, pixels));
}

void MetafileCanvas::preparePenAndBrush() {
  select(pen_, wantedPen_, &MetafileCanvas::writePen);
  select(brush_, wantedBrush_, &MetafileCanvas::writeBrush);
}

// Creates the wanted object in a free slot, selects it, then deletes the one
// it replaces, which frees that slot for the next change.
template <class T>
void MetafileCanvas::select(Selected<T>& selected, const T& wanted,
                            void (MetafileCanvas::*write)(std::uint32_t, const T&)) {
  if (selected.value == wanted) return;
  const std::uint32_t slot = takeSlot();
  (this->*write)(slot, wanted);
  writeSelect(slot);
  if (selected.value) {
    writeDelete(selected.slot);
    freeSlot(selected.slot);
  }
  selected = {wanted, slot};
}

void MetafileCanvas::writeFontFlags(LittleEndianBuffer& out, const MetaFont& font) {
  out.u8(font.italic ? 1 : 0);
  out.zeros(4);  // underline, strike-out, ANSI character set, default output precision
  out.u8(0);     // default clipping precision
  out.u8(4);     // antialiased quality
  out.u8(0);     // default pitch and family
}

std::uint32_t MetafileCanvas::takeSlot() {
  auto free = std::find(slotInUse_.begin(), slotInUse_.end(), false);
  if (free == slotInUse_.end()) free = slotInUse_.insert(free, false);
  *free = true;
  return firstSlot_ + static_cast<std::uint32_t>(free - slotInUse_.begin());
}

void MetafileCanvas::freeSlot(std::uint32_t slot) { slotInUse_[slot - firstSlot_] = false; }

}  // namespace morvane
