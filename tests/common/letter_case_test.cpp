// Folding reads eight bytes at a time; it must agree with the plain definition, one
// character at a time.
#include "vx4820cal/letter_case.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vx4820cal {
namespace {

std::string FoldedOneByOne(std::string text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 'a' && c <= 'z') {
      text[i] = static_cast<char>(c - 32);
    } else if ((c == 0xC3 || c == 0xC5) && i + 1 < text.size()) {
      const char32_t code = (static_cast<char32_t>(c & 0x1F) << 6) | (text[i + 1] & 0x3F);
      if (const char32_t upper = detail::UpperOfTwoByteLetter(code)) {
        text[i] = static_cast<char>(0xC0 | (upper >> 6));
        text[i + 1] = static_cast<char>(0x80 | (upper & 0x3F));
      }
      ++i;
    }
  }
  return text;
}

TEST(LetterCase, FoldingAgreesWithFoldingOneCharacterAtATime) {
  const std::string pieces[] = {"a", "z", "A", "`", "{", "@", "[", "0", " ", "é", "ÿ", "š", "œ", "ž", "÷", "€", "\xC3"};
  std::mt19937 random(4820);
  FoldedKey reused;  // assigned one text after another, longer and shorter
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (size_t n = random() % 30; n > 0; --n) text += pieces[random() % std::size(pieces)];
    const std::string expected = FoldedOneByOne(text);
    ASSERT_EQ(UCase(text), expected) << text;
    ASSERT_EQ(FoldedKey(text).View(), expected) << text;  // kept in place or on the heap
    reused.Assign(text);
    ASSERT_EQ(reused.View(), expected) << text;
  }
}

}  // namespace
}  // namespace vx4820cal
