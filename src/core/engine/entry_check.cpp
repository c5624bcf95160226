#include "engine/entry_check.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace morvane {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::int32_t> ParseInteger(const std::string& text) {
  const std::string body = Trimmed(text);
  std::size_t i = 0;
  if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
  if (i == body.size()) return std::nullopt;
  for (std::size_t j = i; j < body.size(); ++j)
    if (!std::isdigit(static_cast<unsigned char>(body[j]))) return std::nullopt;
  errno = 0;
  const long long number = std::strtoll(body.c_str(), nullptr, 10);
  if (errno == ERANGE || number < std::numeric_limits<std::int32_t>::min() ||
      number > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(number);
}

std::optional<Real> ParseReal(const std::string& text, const NumberLocale& locale) {
  std::string body = Trimmed(text);
  if (body.empty()) return std::nullopt;
  // Only digits, one sign, the locale's decimal point and an exponent are allowed.
  if (locale.decimalPoint != ".") {
    if (body.find('.') != std::string::npos) return std::nullopt;
    if (const auto point = body.find(locale.decimalPoint); point != std::string::npos)
      body.replace(point, locale.decimalPoint.size(), ".");
  }
  for (const char c : body)
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != '+' && c != '-' &&
        c != 'e' && c != 'E')
      return std::nullopt;
  char* end = nullptr;
  const Real number = std::strtold(body.c_str(), &end);
  if (end != body.c_str() + body.size() || !std::isfinite(number)) return std::nullopt;
  return number;
}

std::string RangeMessage(std::int32_t low, std::int32_t high) {
  return "Invalid Parameter Value.  Must have " + std::to_string(low) + " <= X <= " +
         std::to_string(high);
}

std::string RangeMessage(Real low, Real high, const NumberLocale& locale) {
  return "Invalid Parameter Value.  Must have " + FixedText(low, 10, 2, locale) + " <= X <= " +
         FixedText(high, 10, 2, locale);
}

EntryOutcome ValidateIntEdit(const std::string& text, std::int32_t& value, std::int32_t low,
                             std::int32_t high) {
  EntryOutcome outcome;
  if (text.empty()) return outcome;
  const std::int32_t number = ParseInteger(text).value_or(value);
  outcome.boxText = std::to_string(number);
  if (*outcome.boxText != text) {
    outcome.beep = true;
    outcome.warnings.push_back(kConversionWarning);
  }
  if (low <= number && number <= high) {
    value = number;
    outcome.stored = true;
  } else {
    outcome.warnings.push_back(RangeMessage(low, high));
    outcome.boxText = std::to_string(value);
  }
  return outcome;
}

EntryOutcome ValidateRealEdit(const std::string& text, Real& value, Real low, Real high,
                              const NumberLocale& locale) {
  EntryOutcome outcome;
  if (text.empty()) return outcome;
  const auto number = ParseReal(text, locale);
  if (!number) {
    outcome.warnings.push_back(kRealConversionError);
    outcome.boxText = GeneralText(value, locale);
    return outcome;
  }
  if (low <= *number && *number <= high) {
    value = *number;
    outcome.stored = true;
  } else {
    outcome.warnings.push_back(RangeMessage(low, high, locale));
    outcome.boxText = GeneralText(value, locale);
  }
  return outcome;
}

}  // namespace morvane
