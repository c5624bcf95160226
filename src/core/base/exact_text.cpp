#include "base/exact_text.h"

#include <charconv>
#include <cmath>

namespace morvane {

std::string FullPrecisionText(Real value) {
  if (!std::isfinite(value)) return "null";
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 21);
  return {text, end.ptr};
}

std::string ShortestText(Real value) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value);
  return {text, end.ptr};
}

}  // namespace morvane
