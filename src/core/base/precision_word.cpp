#include "base/precision_word.h"

namespace morvane {

std::string PrecisionWord(Precision precision) {
  return precision == Precision::Double ? "double" : "extended";
}

std::optional<Precision> PrecisionOfWord(const std::string& word) {
  for (const Precision precision : {Precision::Extended, Precision::Double})
    if (word == PrecisionWord(precision)) return precision;
  return std::nullopt;
}

}  // namespace morvane
