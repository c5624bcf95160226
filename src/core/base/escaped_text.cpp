#include "base/escaped_text.h"

namespace morvane {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `text` (no
// overlong forms, surrogates or code points past U+10FFFF), or 0.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  else return 0;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return length;
}

void AppendHex(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

bool IsControl(std::string_view sequence) {
  const auto lead = static_cast<unsigned char>(sequence[0]);
  const bool c1 = lead == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0;
  return lead < 0x20 || lead == 0x7F || c1;
}

}  // namespace

std::string EscapedText(std::string_view bytes) {
  std::string out;
  while (!bytes.empty()) {
    const std::size_t length = SequenceLength(bytes);
    const std::string_view sequence = bytes.substr(0, length ? length : 1);
    if (sequence == "\n") out += "\\n";
    else if (sequence == "\r") out += "\\r";
    else if (sequence == "\t") out += "\\t";
    else if (length == 0 || IsControl(sequence))
      for (const char c : sequence) AppendHex(out, static_cast<unsigned char>(c));
    else out += sequence;
    bytes.remove_prefix(sequence.size());
  }
  return out;
}

}  // namespace morvane
