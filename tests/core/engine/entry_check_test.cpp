// Checked entry of integer and real boxes: what is stored, what the planner is
// told, and what the box shows afterwards.
#include <gtest/gtest.h>

#include "engine/entry_check.h"

namespace morvane {
namespace {

using Warnings = std::vector<std::string>;

TEST(ValidateIntEdit, ConvertsWarnsAndChecksTheRange) {
  std::int32_t cycles = 3;
  EntryOutcome typed = ValidateIntEdit("05", cycles, 1, 12);
  EXPECT_EQ(cycles, 5);
  EXPECT_TRUE(typed.stored);
  EXPECT_TRUE(typed.beep);
  EXPECT_EQ(typed.warnings, Warnings{kConversionWarning});
  EXPECT_EQ(typed.boxText, "5");

  EntryOutcome high = ValidateIntEdit("13", cycles, 1, 12);
  EXPECT_EQ(cycles, 5);
  EXPECT_FALSE(high.stored);
  EXPECT_EQ(high.warnings, Warnings{"Invalid Parameter Value.  Must have 1 <= X <= 12"});
  EXPECT_EQ(high.boxText, "5");

  EntryOutcome plain = ValidateIntEdit("7", cycles, 1, 12);
  EXPECT_EQ(cycles, 7);
  EXPECT_TRUE(plain.warnings.empty());
  EXPECT_FALSE(plain.beep);
}

TEST(ValidateIntEdit, UnreadableTextKeepsTheValueInForce) {
  std::int32_t servers = 6;
  for (const std::string text : {"abc", "2.5", "99999999999", " "}) {
    const EntryOutcome outcome = ValidateIntEdit(text, servers, 1, 35);
    EXPECT_EQ(servers, 6) << text;
    EXPECT_EQ(outcome.warnings, Warnings{kConversionWarning}) << text;
    EXPECT_EQ(outcome.boxText, "6") << text;
  }
  // Blanks and a plus sign convert, but the text differs from what was typed.
  EXPECT_EQ(ValidateIntEdit("+8", servers, 1, 35).warnings, Warnings{kConversionWarning});
  EXPECT_EQ(servers, 8);
  // Both messages when the converted number is out of range.
  EXPECT_EQ(ValidateIntEdit("040", servers, 1, 35).warnings.size(), 2u);
  EXPECT_EQ(servers, 8);
}

TEST(ValidateRealEdit, RefusesUnreadableTextAndValuesOutOfRange) {
  Real mean = 10;
  const EntryOutcome unreadable = ValidateRealEdit("abc", mean, 1, 100);
  EXPECT_EQ(unreadable.warnings, Warnings{"Conversion Error"});
  EXPECT_EQ(unreadable.boxText, "10");
  EXPECT_FALSE(unreadable.beep);

  const EntryOutcome low = ValidateRealEdit("0.5", mean, 1, 100);
  EXPECT_EQ(low.warnings, Warnings{"Invalid Parameter Value.  Must have 1.00 <= X <= 100.00"});
  EXPECT_EQ(low.boxText, "10");
  EXPECT_EQ(mean, 10);

  Real amplitude = 4.5L;
  const EntryOutcome above = ValidateRealEdit("12", amplitude, 0, mean);
  EXPECT_EQ(above.warnings, Warnings{"Invalid Parameter Value.  Must have 0.00 <= X <= 10.00"});
  EXPECT_EQ(above.boxText, "4.5");
  EXPECT_EQ(amplitude, 4.5L);

  const EntryOutcome equal = ValidateRealEdit("10", amplitude, 0, mean);
  EXPECT_TRUE(equal.stored);
  EXPECT_EQ(amplitude, 10);
}

TEST(ValidateRealEdit, StoresReadableTextAndKeepsWhatWasTyped) {
  Real rate = 2.5L;
  const EntryOutcome outcome = ValidateRealEdit(" 3.75 ", rate, 0.01L, 100);
  EXPECT_TRUE(outcome.stored);
  EXPECT_EQ(rate, 3.75L);
  EXPECT_FALSE(outcome.boxText.has_value());
  EXPECT_TRUE(outcome.warnings.empty());

  Real change = 0.1L;
  EXPECT_TRUE(ValidateRealEdit("1e-5", change, 0.00001L, 50).stored);
  EXPECT_EQ(change, 0.00001L);

  NumberLocale comma;
  comma.decimalPoint = ",";
  EXPECT_TRUE(ValidateRealEdit("2,5", rate, 0.01L, 100, comma).stored);
  EXPECT_EQ(rate, 2.5L);
  EXPECT_EQ(ValidateRealEdit("2.5", rate, 0.01L, 100, comma).warnings,
            Warnings{"Conversion Error"});
}

TEST(ValidateEdit, AnEmptyBoxChangesNothing) {
  std::int32_t steps = 60;
  Real cost = 12;
  for (const EntryOutcome& outcome :
       {ValidateIntEdit("", steps, 1, 3600), ValidateRealEdit("", cost, 0, 1000)}) {
    EXPECT_FALSE(outcome.stored);
    EXPECT_TRUE(outcome.warnings.empty());
    EXPECT_FALSE(outcome.boxText.has_value());
  }
  EXPECT_EQ(steps, 60);
  EXPECT_EQ(cost, 12);
}

}  // namespace
}  // namespace morvane
