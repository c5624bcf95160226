#include "base/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace morvane {
namespace {

Real RoundToSignificant(Real value, int precision) {
  if (value == 0 || !std::isfinite(value)) return value;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, value);
  return std::strtold(buffer, nullptr);
}

// Digits of |value| (already rounded to `precision` significant digits) with
// `decimals` decimals, split at the point. A value with more whole digits than
// `precision` is laid out from its decimal significant digits: its binary
// approximation would show noise in the digits past the ones it carries.
void FixedDigits(Real value, int precision, int decimals, std::string& whole,
                 std::string& fraction) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, std::fabs(value));
  const std::string scientific = buffer;
  const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
  if (std::isfinite(value) && exponent >= precision) {
    whole = scientific.substr(0, 1) + scientific.substr(2, precision - 1);
    whole.append(static_cast<std::size_t>(exponent + 1 - precision), '0');
    fraction.assign(static_cast<std::size_t>(std::max(decimals, 0)), '0');
    return;
  }
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, std::fabs(value));
  const std::string text = buffer;
  const auto point = text.find('.');
  whole = text.substr(0, point);
  fraction = point == std::string::npos ? "" : text.substr(point + 1);
}

std::string Grouped(const std::string& whole, const std::string& separator) {
  std::string out;
  const auto length = whole.size();
  for (std::size_t i = 0; i < length; ++i) {
    if (i > 0 && (length - i) % 3 == 0) out += separator;
    out += whole[i];
  }
  return out;
}

bool IsNegativeText(Real rounded, const std::string& whole, const std::string& fraction) {
  return rounded < 0 && (whole.find_first_not_of('0') != std::string::npos ||
                         fraction.find_first_not_of('0') != std::string::npos);
}

std::string Unsigned(const std::string& whole, const std::string& fraction,
                     const std::string& separator, const NumberLocale& locale) {
  std::string text = Grouped(whole, separator);
  if (!fraction.empty()) text += locale.decimalPoint + fraction;
  return text;
}

}  // namespace

std::string NumberText(Real value, int precision, int decimals, const NumberLocale& locale) {
  const Real rounded = RoundToSignificant(value, precision);
  std::string whole, fraction;
  FixedDigits(rounded, precision, decimals, whole, fraction);
  const std::string digits = Unsigned(whole, fraction, locale.thousandsSeparator, locale);
  return IsNegativeText(rounded, whole, fraction) ? "-" + digits : digits;
}

std::string CurrencyText(Real value, int precision, int decimals, const NumberLocale& locale) {
  const Real rounded = RoundToSignificant(value, precision);
  std::string whole, fraction;
  FixedDigits(rounded, precision, decimals, whole, fraction);
  const std::string digits = Unsigned(whole, fraction, locale.thousandsSeparator, locale);
  if (IsNegativeText(rounded, whole, fraction))
    return locale.negativeCurrencyPrefix + digits + locale.negativeCurrencySuffix;
  return locale.currencyPrefix + digits + locale.currencySuffix;
}

std::string FixedText(Real value, int precision, int decimals, const NumberLocale& locale) {
  const Real rounded = RoundToSignificant(value, precision);
  std::string whole, fraction;
  FixedDigits(rounded, precision, decimals, whole, fraction);
  const std::string digits = Unsigned(whole, fraction, "", locale);
  return IsNegativeText(rounded, whole, fraction) ? "-" + digits : digits;
}

std::string GeneralText(Real value, const NumberLocale& locale) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
  std::string text = buffer;
  // C writes "1e-05"; the planner reads "1E-5".
  if (const auto e = text.find('e'); e != std::string::npos) {
    std::string mantissa = text.substr(0, e);
    const char sign = text[e + 1];
    std::string exponent = text.substr(e + 2);
    exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
    text = mantissa + "E" + (sign == '-' ? "-" : "") + exponent;
  }
  if (const auto point = text.find('.'); point != std::string::npos)
    text.replace(point, 1, locale.decimalPoint);
  return text;
}

}  // namespace morvane
