// Checked numeric entry: what happens when the planner leaves an input box.
// Plain functions from (text typed, value in force, range) to the value stored,
// the messages shown and the text the box shows, so every window and the batch
// command check their inputs the same way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/number_format.h"
#include "base/real.h"

namespace morvane {

struct EntryOutcome {
  bool stored = false;                   // the variable took a new (or the same) value
  bool beep = false;                     // sound the information beep first
  std::vector<std::string> warnings;     // warning boxes, in order ("\r" is a line break)
  std::optional<std::string> boxText;    // text the box shows afterwards; none: as typed
};

inline const std::string kConversionWarning =
    "Specified value did not convert correctly... Warning\rDefault value used and shown";
inline const std::string kRealConversionError = "Conversion Error";

// Whole text as a 32-bit integer (blanks around it allowed, optional sign).
std::optional<std::int32_t> ParseInteger(const std::string& text);
// Whole text as a real in the locale's notation (blanks around it allowed).
std::optional<Real> ParseReal(const std::string& text, const NumberLocale& locale = kFixedLocale);

EntryOutcome ValidateIntEdit(const std::string& text, std::int32_t& value, std::int32_t low,
                             std::int32_t high);
EntryOutcome ValidateRealEdit(const std::string& text, Real& value, Real low, Real high,
                              const NumberLocale& locale = kFixedLocale);

// "Invalid Parameter Value.  Must have low <= X <= high" for either kind of bound.
std::string RangeMessage(std::int32_t low, std::int32_t high);
std::string RangeMessage(Real low, Real high, const NumberLocale& locale = kFixedLocale);

}  // namespace morvane
