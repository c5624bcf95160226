// Number texts: significant digits, decimals, separators, currency layout and the
// general format.
#include <gtest/gtest.h>

#include "base/number_format.h"

namespace morvane {
namespace {

TEST(NumberText, RoundsToSignificantDigitsThenShowsTheDecimals) {
  EXPECT_EQ(NumberText(1152, 15, 2, kFixedLocale), "1,152.00");
  EXPECT_EQ(NumberText(1234567.891L, 15, 2, kFixedLocale), "1,234,567.89");
  EXPECT_EQ(NumberText(1234.5678L, 4, 2, kFixedLocale), "1,235.00");
  EXPECT_EQ(NumberText(12345678, 3, 0, kFixedLocale), "12,300,000");
  EXPECT_EQ(NumberText(999.96L, 4, 1, kFixedLocale), "1,000.0");
  EXPECT_EQ(NumberText(0.123456L, 5, 3, kFixedLocale), "0.123");
  EXPECT_EQ(NumberText(1440, 6, 0, kFixedLocale), "1,440");
  EXPECT_EQ(NumberText(0.2L, 4, 2, kFixedLocale), "0.20");
  EXPECT_EQ(NumberText(123, 12, 5, kFixedLocale), "123.00000");
  // Past the digits a long double carries, only the significant ones show.
  EXPECT_EQ(NumberText(1e30L, 15, 3, kFixedLocale),
            "1,000,000,000,000,000,000,000,000,000,000.000");
  EXPECT_EQ(NumberText(12345678901234567890123.0L, 4, 1, kFixedLocale),
            "12,350,000,000,000,000,000,000.0");
  EXPECT_EQ(CurrencyText(-2.5e20L, 15, 2, kFixedLocale), "-$250,000,000,000,000,000,000.00");
}

TEST(NumberText, NegativeValuesAndNegativeZero) {
  EXPECT_EQ(NumberText(-1234.5L, 6, 1, kFixedLocale), "-1,234.5");
  EXPECT_EQ(NumberText(-0.0001L, 4, 2, kFixedLocale), "0.00");
  EXPECT_EQ(NumberText(-0.0L, 4, 2, kFixedLocale), "0.00");
  EXPECT_EQ(CurrencyText(-5, 15, 2, kFixedLocale), "-$5.00");
}

TEST(CurrencyText, UsesTheLocalesLayout) {
  EXPECT_EQ(CurrencyText(2250, 15, 2, kFixedLocale), "$2,250.00");
  const NumberLocale euro{".", ",", "", " €", "-", " €"};
  EXPECT_EQ(CurrencyText(1234.5L, 15, 2, euro), "1.234,50 €");
  EXPECT_EQ(CurrencyText(-1234.5L, 15, 2, euro), "-1.234,50 €");
  EXPECT_EQ(NumberText(1234.5L, 15, 1, euro), "1.234,5");
  EXPECT_EQ(GeneralText(4.5L, euro), "4,5");
}

TEST(GeneralText, ShortestTextOfUpToFifteenDigits) {
  EXPECT_EQ(GeneralText(4.5L), "4.5");
  EXPECT_EQ(GeneralText(10), "10");
  EXPECT_EQ(GeneralText(0.1L), "0.1");
  EXPECT_EQ(GeneralText(0.1), "0.1");  // a double's 0.1 too: 15 digits hide its tail
  EXPECT_EQ(GeneralText(1.0L / 3), "0.333333333333333");
  EXPECT_EQ(GeneralText(-2.5L), "-2.5");
  EXPECT_EQ(GeneralText(0.00001L), "1E-5");
  EXPECT_EQ(GeneralText(0.0001L), "0.0001");
  EXPECT_EQ(GeneralText(1e20L), "1E20");
}

TEST(FixedText, NoSeparators) {
  EXPECT_EQ(FixedText(1, 10, 2, kFixedLocale), "1.00");
  EXPECT_EQ(FixedText(100000, 10, 2, kFixedLocale), "100000.00");
  EXPECT_EQ(FixedText(0.00001L, 10, 2, kFixedLocale), "0.00");
}

}  // namespace
}  // namespace morvane
