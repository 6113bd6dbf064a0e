#include "common/codepage.h"

#include <gtest/gtest.h>

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
