// File text quoted in messages: UTF-8 kept, other bytes and controls written out.
#include <gtest/gtest.h>

#include "base/escaped_text.h"

namespace morvane {
namespace {

TEST(EscapedText, KeepsUtf8AndWritesOutBadBytesAndControls) {
  EXPECT_EQ(EscapedText("Caf\xC3\xA9 \xE2\x82\xAC 10 \xF0\x9F\x93\x9E"),
            "Caf\xC3\xA9 \xE2\x82\xAC 10 \xF0\x9F\x93\x9E");
  EXPECT_EQ(EscapedText("Caf\xE9s"), "Caf\\xE9s");  // Latin-1, not UTF-8
  EXPECT_EQ(EscapedText("a\tb\nc\rd\x1B[31m\x7F"), "a\\tb\\nc\\rd\\x1B[31m\\x7F");
  EXPECT_EQ(EscapedText(std::string("\0x", 2)), "\\x00x");
  EXPECT_EQ(EscapedText("\xC2\x9B"), "\\xC2\\x9B");  // a C1 control
  // Overlong forms, surrogates, past U+10FFFF, cut short, a stray continuation.
  EXPECT_EQ(EscapedText("\xC0\xAF"), "\\xC0\\xAF");
  EXPECT_EQ(EscapedText("\xED\xA0\x80"), "\\xED\\xA0\\x80");
  EXPECT_EQ(EscapedText("\xF4\x90\x80\x80"), "\\xF4\\x90\\x80\\x80");
  EXPECT_EQ(EscapedText("\xE2\x82"), "\\xE2\\x82");
  EXPECT_EQ(EscapedText("\x80z"), "\\x80z");
}

}  // namespace
}  // namespace morvane
