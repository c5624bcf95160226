#include "pictures/dib_image.h"

#include "pictures/little_endian_buffer.h"

namespace morvane {

DibImage makeDibImage(int width, int height, std::span<const std::uint32_t> pixels) {
  const std::size_t rowBytes = (3 * static_cast<std::size_t>(width) + 3) / 4 * 4;
  LittleEndianBuffer header;
  header.u32(40);
  header.i32(width);
  header.i32(height);  // positive: bottom-up rows
  header.u16(1);       // planes
  header.u16(24);      // bits per pixel
  header.u32(0);       // uncompressed
  header.u32(static_cast<std::uint32_t>(rowBytes * height));
  header.i32(3780);  // 96 pixels per inch, in pixels per metre
  header.i32(3780);
  header.u32(0);  // no colour table
  header.u32(0);
  std::vector<std::uint8_t> bits;
  bits.reserve(rowBytes * height);
  for (int row = height - 1; row >= 0; --row) {
    for (int column = 0; column < width; ++column) {
      const std::uint32_t rgb = pixels[static_cast<std::size_t>(row) * width + column];
      bits.push_back(static_cast<std::uint8_t>(rgb));
      bits.push_back(static_cast<std::uint8_t>(rgb >> 8));
      bits.push_back(static_cast<std::uint8_t>(rgb >> 16));
    }
    bits.resize(bits.size() + rowBytes - 3 * width, 0);
  }
  return {header.release(), std::move(bits)};
}

}  // namespace morvane
