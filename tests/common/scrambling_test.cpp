#include "common/scrambling.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "common/codepage.h"
#include "support/test_support.h"
#include "vx4820cal/component.h"
#include "vx4820cal/error.h"

namespace vx4820cal {
namespace {

TEST(Scrambling, KnownTexts) {
  EXPECT_EQ(EncryptString("abc"), "662646");
  EXPECT_EQ(DecryptString("662646"), "abc");
  EXPECT_EQ(EncryptString("A"), "24");
  EXPECT_EQ(DecryptString("24"), "A");
  EXPECT_EQ(EncryptString(""), "");
  EXPECT_EQ(DecryptString(""), "");
  EXPECT_EQ(DecryptString("662646"), DecryptString("662646"));
  EXPECT_EQ(DecryptString("66b646").size(), 3u);  // hex digits in either case
}

TEST(Scrambling, RoundTripsEveryCharacterOfTheCodePage) {
  std::string bytes;
  for (int code = 0x20; code <= 0xFF; ++code) bytes.push_back(static_cast<char>(code));
  std::string text = Cp1252ToUtf8(bytes);
  EXPECT_EQ(DecryptString(EncryptString(text)), text);
  EXPECT_EQ(Utf8ToCp1252(DecryptString(EncryptString(text))), bytes);
}

TEST(Scrambling, PositionWrapsAfter255Characters) {
  std::string text(300, 'a');
  std::string scrambled = EncryptString(text);
  // Un-rotate, then read the pairs of positions 255, 256 and 257.
  std::string plain_order = scrambled.substr(1) + scrambled[0];
  EXPECT_EQ(plain_order.substr(254 * 2, 2), "60");  // 97 + 255 = 352 = 0x160
  EXPECT_EQ(plain_order.substr(255 * 2, 2), "61");  // position 256 adds 0
  EXPECT_EQ(plain_order.substr(256 * 2, 2), "62");  // position 257 adds 1
  EXPECT_EQ(DecryptString(scrambled), text);
}

TEST(Scrambling, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(DecryptString(EncryptString("日")), "?");
}

TEST(Scrambling, NonHexPairIsTypeMismatchWithItsName) {
  try {
    DecryptString("6626G6");
    ADD_FAILURE();
  } catch (const Error& error) {
    EXPECT_EQ(error.Number(), 13);
    EXPECT_EQ(error.Description(), "VX4820CAL: DecryptString\r\nType mismatch");
  }
  EXPECT_EQ(test_support::ErrorNumberOf([] { DecryptString("é1"); }), 13);
  EXPECT_EQ(test_support::ErrorNumberOf([] { DecryptString("4"); }), 0);  // an odd last digit is read alone
}

// Character by character, as the scrambled form is defined: the text rotated by one
// digit, read in pairs, each less its 1-based position; a lone last digit on its own.
std::string DecryptedOneByOne(std::string_view text) {
  if (text.empty()) return "";
  std::string rotated = std::string(text.substr(1)) + text[0];
  auto digit = [](char c) {
    if (std::isxdigit(static_cast<unsigned char>(c)) == 0) throw RuntimeError(err::kTypeMismatch);
    return std::stoi(std::string(1, c), nullptr, 16);
  };
  std::string codes;
  for (size_t i = 0; i < rotated.size(); i += 2) {
    int value = i + 1 < rotated.size() ? digit(rotated[i]) * 16 + digit(rotated[i + 1]) : digit(rotated[i]);
    codes.push_back(static_cast<char>(value - static_cast<int>(i / 2 + 1)));
  }
  return Cp1252ToUtf8(codes);
}

// A text of every length up to a few hundred characters (past the wrap of the
// position at 256), most of plain ASCII (the wide paths), some characters beyond it.
std::string RandomPlain(std::mt19937& random, int round) {
  const std::string kBeyondAscii[] = {"\xC3\xA9", "\xE2\x82\xAC", "\xC2\xA0", "\xC3\xBF"};
  std::string plain;
  for (size_t i = random() % (round % 10 == 0 ? 300 : 70); i > 0; --i) {
    if (random() % 50 == 0) {
      plain += kBeyondAscii[random() % 4];
    } else {
      plain.push_back(static_cast<char>(' ' + random() % 95));
    }
  }
  return plain;
}

// As the scrambled form is defined: each character's Windows-1252 code plus its
// 1-based position as two hex digits, then the last digit moved to the front.
std::string EncryptedOneByOne(std::string_view cp1252) {
  std::string digits;
  for (size_t i = 0; i < cp1252.size(); ++i) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(cp1252[i] + i + 1));
    digits += pair;
  }
  return digits.empty() ? "" : digits.back() + digits.substr(0, digits.size() - 1);
}

TEST(Scrambling, ScramblingAgreesWithWritingOneCharacterAtATime) {
  std::mt19937 random(4820);
  for (int round = 0; round < 5000; ++round) {
    const std::string plain = RandomPlain(random, round);
    ASSERT_EQ(EncryptString(plain), EncryptedOneByOne(Utf8ToCp1252(plain))) << plain;
    // Windows-1252 bytes as they are, every byte its own code.
    std::string bytes;
    for (char c : plain) bytes.push_back(static_cast<char>(c + round));
    std::string scrambled = "kept:";
    AppendEncryptedBytes(bytes, scrambled);
    ASSERT_EQ(scrambled, "kept:" + EncryptedOneByOne(bytes)) << plain;
  }
}

TEST(Scrambling, DescramblingAgreesWithReadingOneCharacterAtATime) {
  // Scrambled lines as RandomPlain's, some with a bad digit (also a byte beyond
  // ASCII) or a lone last digit, anywhere in a run of sixteen pairs.
  std::mt19937 random(20261210);
  for (int round = 0; round < 20000; ++round) {
    std::string text = EncryptString(RandomPlain(random, round));
    switch (random() % 5) {
      case 0:
        if (!text.empty()) text[random() % text.size()] = "0123456789abcdefG \xC3/:@`g"[random() % 24];
        break;
      case 1: text += "0123456789ABCDEF"[random() % 16]; break;
      default: break;
    }
    std::string expected;
    int32_t expected_error = test_support::ErrorNumberOf([&] { expected = DecryptedOneByOne(text); });
    std::string actual;
    int32_t actual_error = test_support::ErrorNumberOf([&] { actual = DecryptString(text); });
    ASSERT_EQ(actual_error, expected_error) << text;
    ASSERT_EQ(actual, expected) << text;
  }
}

}  // namespace
}  // namespace vx4820cal
