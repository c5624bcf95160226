// A growing byte buffer written in little-endian order, with patching of
// fields whose value is known only at the end (sizes and counts in headers).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace morvane {

class LittleEndianBuffer {
 public:
  void u8(std::uint8_t value) { bytes_.push_back(value); }
  void u16(std::uint16_t value) { put(value, 2); }
  void i16(std::int16_t value) { put(static_cast<std::uint16_t>(value), 2); }
  void u32(std::uint32_t value) { put(value, 4); }
  void i32(std::int32_t value) { put(static_cast<std::uint32_t>(value), 4); }
  void f32(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    put(bits, 4);
  }
  void zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }

  void patchU16(std::size_t at, std::uint16_t value) { patch(at, value, 2); }
  void patchU32(std::size_t at, std::uint32_t value) { patch(at, value, 4); }

  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> release() { return std::move(bytes_); }

 private:
  void put(std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  void patch(std::size_t at, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }

  std::vector<std::uint8_t> bytes_;
};

}  // namespace morvane
