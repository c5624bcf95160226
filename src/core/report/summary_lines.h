// The lines of the printed input/output summary, as data: the printer (or PDF)
// of the main window and the batch command each lay them out their own way.
#pragma once

#include <string>
#include <vector>

#include "engine/model.h"
#include "base/number_format.h"

namespace morvane {

inline const std::string kSummaryFontFamily = "Monospac821 DL";
inline constexpr int kSummaryHeadingPointSize = 18;
inline constexpr int kSummaryBodyPointSize = 10;

enum class SummaryStyle { Heading, Body };

struct SummaryLine {
  std::string text;
  SummaryStyle style = SummaryStyle::Body;
  bool operator==(const SummaryLine&) const = default;
};

// The input part, the staffing plan when servers come from the plan, and the
// captions of the result labels when `resultsShown` (a time-dependent result
// whose inputs have not changed since).
std::vector<SummaryLine> SummaryLines(const Model& model, const NumberLocale& locale,
                                      bool resultsShown);

}  // namespace morvane
