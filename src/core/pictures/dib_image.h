// A device-independent bitmap as metafiles embed it: a 40-byte
// BITMAPINFOHEADER followed by 24-bit blue-green-red rows, bottom row first,
// each padded to a multiple of four bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace morvane {

struct DibImage {
  std::vector<std::uint8_t> header;  // BITMAPINFOHEADER
  std::vector<std::uint8_t> bits;
};

// `pixels` holds width x height colours 0x00RRGGBB, top row first.
DibImage makeDibImage(int width, int height, std::span<const std::uint32_t> pixels);

}  // namespace morvane
