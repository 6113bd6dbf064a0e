#include "common/codepage.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "common/text.h"

namespace vx4820cal {
namespace {

TEST(CodePage, DecodesAndEncodesTheWholeCodePage) {
  std::string bytes;
  for (int code = 0; code <= 0xFF; ++code) bytes.push_back(static_cast<char>(code));
  std::string text = Cp1252ToUtf8(bytes);
  EXPECT_EQ(Utf8ToCp1252(text), bytes);
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");  // undefined byte maps to its control code
  EXPECT_EQ(Cp1252ToUtf8("\xE9"), "é");
}

// ASCII runs are copied a word at a time: runs of every length, at every place
// around the high bytes, decode as byte by byte, into a buffer that held a longer text.
TEST(CodePage, DecodingIntoABufferAgreesWithDecodingByteByByte) {
  std::mt19937 random(1252);
  std::string out = "left over from a longer line before this one";
  for (int round = 0; round < 5000; ++round) {
    std::string bytes;
    std::string expected;
    for (size_t n = random() % 40; n > 0; --n) {
      const bool high = random() % 6 == 0;
      const auto byte = static_cast<char>(high ? 0x80 + random() % 0x80 : random() % 0x80);
      bytes.push_back(byte);
      expected += Cp1252ToUtf8(std::string_view(&byte, 1));
    }
    Cp1252ToUtf8Into(bytes, out);
    ASSERT_EQ(out, expected);
  }
}

TEST(CodePage, OutsideTheCodePageOrMalformedBecomesQuestionMark) {
  EXPECT_EQ(Utf8ToCp1252("a日b"), "a?b");
  EXPECT_EQ(Utf8ToCp1252("\xC2\x80"), "?");  // U+0080 has no byte: 0x80 is the euro sign
  EXPECT_EQ(Utf8ToCp1252("\xFF"), "?");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "??");
}

TEST(Text, CaseAndSpaceOnlyTrimming) {
  EXPECT_EQ(UCase("abc éàÿ šœž ÷"), "ABC ÉÀŸ ŠŒŽ ÷");
  EXPECT_EQ(Trim("  a b \t "), "a b \t");
  EXPECT_EQ(Trim("\ta "), "\ta");
  EXPECT_EQ(Split("a,,b", ","), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Split("", ","), (std::vector<std::string>{""}));
  EXPECT_EQ(ReplaceAll("1.2.3", ".", ","), "1,2,3");
  EXPECT_NE(FindNoCase("xxBandsyy", "BANDS"), std::string::npos);
}

}  // namespace
}  // namespace vx4820cal
