// JSON texts: what files may spell in strings comes out as UTF-8 and goes back
// in unchanged; reals are written with a dot and read back exactly.
#include "base/json_value.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

#include "base/exact_text.h"

namespace morvane {
namespace {

TEST(JsonValue, StringsRoundTripTheirEscapesAndCharacters) {
  const std::string text = "tab\t \"quoted\" back\\slash \x01 caf\xc3\xa9";
  const JsonParse parse = ParseJson(JsonString(text));
  ASSERT_TRUE(parse.value) << parse.fault;
  EXPECT_EQ(parse.value->text, text);
  // \u escapes, a surrogate pair among them, become UTF-8.
  EXPECT_EQ(ParseJson(R"("\u00e9\ud83d\ude00\/")").value->text, "\xc3\xa9\xf0\x9f\x98\x80/");
  for (const char* bad : {R"("\ud83d")", R"("\ude00")", R"("\x")", "\"open", "\"a\nb\"", "01",
                          "1.", "-", "1e", "[1,]", "{\"a\" 1}", "tru", ""})
    EXPECT_FALSE(ParseJson(bad).value) << bad;
}

TEST(ExactText, RealsReadBackExactlyWithADot) {
  for (const Real value : {0.1L, 142.681922896138135753L, 2.41424414600514482862e-11L, 1.0L / 3,
                           1e-5L, -7.125L}) {
    EXPECT_EQ(std::strtold(FullPrecisionText(value).c_str(), nullptr), value);
    EXPECT_EQ(std::strtold(ShortestText(value).c_str(), nullptr), value);
  }
  EXPECT_EQ(FullPrecisionText(2250), "2250");
  EXPECT_EQ(ShortestText(0.2L), "0.2");
  EXPECT_EQ(FullPrecisionText(std::numeric_limits<Real>::infinity()), "null");
}

}  // namespace
}  // namespace morvane
