#include "staffing/start_times_format.h"

#include <cstdio>

#include "base/escaped_text.h"
#include "engine/entry_check.h"
#include "staffing/start_times_page.h"

namespace morvane {
namespace {

// Characters of one text, with the line they stand on. CR LF, LF and a lone CR
// each end one line.
class TextCursor {
 public:
  explicit TextCursor(std::istream& in) : in_(in) {}

  std::int64_t line() const { return line_; }
  bool atEnd() { return in_.peek() == std::char_traits<char>::eof(); }

  // Blanks, tabs and line ends.
  void skipSeparators() {
    while (!atEnd() && IsSeparator(static_cast<char>(in_.peek()))) take();
  }

  // Characters up to the next separator. Only the first few are kept, and "..."
  // marks a longer field: no 32-bit integer needs that many characters.
  std::string takeField() {
    std::string field;
    bool cut = false;
    while (!atEnd() && !IsSeparator(static_cast<char>(in_.peek()))) {
      const char c = take();
      if (field.size() < kKeptFieldLength) field += c;
      else cut = true;
    }
    return cut ? field + "..." : field;
  }

  // Up to and including the next line end.
  void skipLine() {
    while (!atEnd()) {
      const char c = take();
      if (c == '\n' || c == '\r') return;
    }
  }

 private:
  static constexpr std::size_t kKeptFieldLength = 20;

  static bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

  char take() {
    const char c = static_cast<char>(in_.get());
    if (c == '\r' && in_.peek() == '\n') in_.get();
    if (c == '\r' || c == '\n') ++line_;
    return c == '\r' ? '\n' : c;
  }

  std::istream& in_;
  std::int64_t line_ = 1;
};

void Store(StartTimesPlan& plan, int period, const std::array<std::int32_t, 4>& fields) {
  plan.DutyTemplate[FullTime][period] = fields[0] == 1 ? 1 : 0;
  plan.DutyTemplate[PartTime][period] = fields[1] == 1 ? 1 : 0;
  plan.StartTimes[FullTime][period] = fields[2] > 0 ? fields[2] : 0;
  plan.StartTimes[PartTime][period] = fields[3] > 0 ? fields[3] : 0;
}

}  // namespace

std::string StartTimesLine(std::int32_t fullTimeDuty, std::int32_t partTimeDuty,
                           std::int32_t fullTimeStarts, std::int32_t partTimeStarts) {
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "%5d   %5d   %5d   %5d\r\n", static_cast<int>(fullTimeDuty),
                static_cast<int>(partTimeDuty), static_cast<int>(fullTimeStarts),
                static_cast<int>(partTimeStarts));
  return buffer;
}

std::string StartTimesText(const StaffingState& staff) {
  std::string text;
  for (int k = 0; k < kPeriods; ++k)
    text += StartTimesLine(staff.DutyTemplate[FullTime][k], staff.DutyTemplate[PartTime][k],
                           staff.StartTimes[FullTime][k], staff.StartTimes[PartTime][k]);
  return text;
}

StartTimesParse ParseStartTimes(std::istream& in) {
  StartTimesParse result;
  TextCursor cursor(in);
  for (int period = 0; period < kPeriods; ++period) {
    cursor.skipSeparators();
    if (cursor.atEnd()) break;  // the periods not reached stay off, with no starts
    const std::int64_t firstLine = cursor.line();
    std::array<std::int32_t, 4> fields{};
    for (auto& field : fields) {
      cursor.skipSeparators();
      if (cursor.atEnd()) {
        result.fault = StartTimesFault{
            firstLine, "the file ends before the four numbers of period " +
                           GridPeriodLabel(period) + " are complete"};
        return result;
      }
      const std::int64_t line = cursor.line();
      const std::string text = cursor.takeField();
      const auto number = ParseInteger(text);
      if (!number) {
        result.fault = StartTimesFault{line, '"' + EscapedText(text) +
                                                 "\" is not a whole number from -2147483648 "
                                                 "to 2147483647"};
        return result;
      }
      field = *number;
    }
    Store(result.plan, period, fields);
    cursor.skipLine();
  }
  return result;
}

}  // namespace morvane
