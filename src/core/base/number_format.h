// Number texts as the planner sees them: number format (P significant digits,
// D decimals, thousands separators), currency format and general format, with
// separators and currency layout taken from a small locale description.
#pragma once

#include <string>

#include "base/real.h"

namespace morvane {

struct NumberLocale {
  std::string thousandsSeparator = ",";
  std::string decimalPoint = ".";
  // Currency layout: prefix and suffix around the number, for positive and negative values.
  std::string currencyPrefix = "$";
  std::string currencySuffix;
  std::string negativeCurrencyPrefix = "-$";
  std::string negativeCurrencySuffix;
};

// The fixed locale of the batch command and the tests: "," "." and "$".
inline const NumberLocale kFixedLocale{};

// Rounded to `precision` significant digits, shown with `decimals` decimals and separators.
std::string NumberText(Real value, int precision, int decimals, const NumberLocale& locale);
// The same in the locale's currency layout.
std::string CurrencyText(Real value, int precision, int decimals, const NumberLocale& locale);
// Shortest text of up to 15 significant digits, no trailing zeros ("4.5", "1E-5").
std::string GeneralText(Real value, const NumberLocale& locale = kFixedLocale);
// Fixed notation with the given decimals and no separators ("1.00").
std::string FixedText(Real value, int precision, int decimals, const NumberLocale& locale);

}  // namespace morvane
