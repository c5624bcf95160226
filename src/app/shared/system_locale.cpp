#include "shared/system_locale.h"

namespace {

// Splits the currency text of +/-1 around the digit into prefix and suffix.
void CurrencyLayout(const QLocale& locale, double sign, std::string& prefix, std::string& suffix) {
  const QString text = locale.toCurrencyString(sign, locale.currencySymbol(), 0);
  const QString one = locale.toString(1);
  const auto at = text.indexOf(one);
  if (at < 0) return;
  prefix = text.left(at).toStdString();
  suffix = text.mid(at + one.size()).toStdString();
}

}  // namespace

morvane::NumberLocale NumberLocaleOf(const QLocale& locale) {
  morvane::NumberLocale result;
  result.thousandsSeparator = locale.groupSeparator().toStdString();
  result.decimalPoint = locale.decimalPoint().toStdString();
  // A locale without a currency (the C locale) keeps the fixed "$" layout.
  if (locale.currencySymbol().isEmpty()) return result;
  CurrencyLayout(locale, 1, result.currencyPrefix, result.currencySuffix);
  CurrencyLayout(locale, -1, result.negativeCurrencyPrefix, result.negativeCurrencySuffix);
  return result;
}
