#include "common/conversions.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "vx4820cal/component.h"
#include "vx4820cal/error.h"

namespace vx4820cal {
namespace {

TEST(TextToLong, RoundsHalvesToEvenAndChecksRange) {
  test_support::OnFreshThread([] {
    SetDecimalSymbolOverride(".");
    struct Case {
      const char* text;
      int32_t value;
    } cases[] = {{"12", 12},
                 {" -7 ", -7},
                 {"+3", 3},
                 {"12.5", 12},
                 {"13.5", 14},
                 {"-2.5", -2},
                 {"1e3", 1000},
                 {"2147483647", 2147483647},
                 {"-2147483648", INT32_MIN},
                 {"0.49999", 0}};
    for (const auto& c : cases) EXPECT_EQ(TextToLong(c.text), c.value) << c.text;
    for (const char* overflow : {"2147483648", "-2147483649", "1e20"}) {
      EXPECT_EQ(test_support::ErrorNumberOf([&] { TextToLong(overflow); }), err::kOverflow) << overflow;
    }
    for (const char* bad : {"", " ", "abc", "1,5", "1.2.3", "12a", "-", ".", "1e", "\t1"}) {
      EXPECT_EQ(test_support::ErrorNumberOf([&] { TextToLong(bad); }), err::kTypeMismatch) << bad;
    }
  });
}

TEST(TextToInteger, SixteenBitRange) {
  test_support::OnFreshThread([] {
    SetDecimalSymbolOverride(".");
    EXPECT_EQ(TextToInteger("32767"), 32767);
    EXPECT_EQ(TextToInteger("-32768"), -32768);
    EXPECT_EQ(test_support::ErrorNumberOf([] { TextToInteger("32768"); }), err::kOverflow);
    EXPECT_EQ(test_support::ErrorNumberOf([] { NarrowToInteger(-32769); }), err::kOverflow);
  });
}

TEST(TextToDouble, UsesTheUsersDecimalSeparator) {
  test_support::OnFreshThread([] {
    SetDecimalSymbolOverride(",");
    EXPECT_DOUBLE_EQ(TextToDouble("12,8"), 12.8);
    EXPECT_EQ(test_support::ErrorNumberOf([] { TextToDouble("12.8"); }), err::kTypeMismatch);
    EXPECT_EQ(ToText(Variant(12.8)), "12,8");
    SetDecimalSymbolOverride(".");
    EXPECT_DOUBLE_EQ(TextToDouble("12.8"), 12.8);
    EXPECT_EQ(test_support::ErrorNumberOf([] { TextToDouble("1e999"); }), err::kOverflow);
  });
}

TEST(TextToBoolean, WordsInAnyCaseOrNumbers) {
  EXPECT_TRUE(TextToBoolean("TRUE"));
  EXPECT_TRUE(TextToBoolean("true"));
  EXPECT_FALSE(TextToBoolean("False"));
  EXPECT_TRUE(TextToBoolean("-1"));
  EXPECT_TRUE(TextToBoolean("2"));
  EXPECT_FALSE(TextToBoolean("0"));
  EXPECT_EQ(test_support::ErrorNumberOf([] { TextToBoolean("yes"); }), err::kTypeMismatch);
}

TEST(VariantConversions, FollowTheHostsRules) {
  EXPECT_EQ(ToLong(Variant(true)), -1);
  EXPECT_EQ(ToLong(Variant()), 0);
  EXPECT_EQ(ToLong(Variant(2.5)), 2);
  EXPECT_EQ(ToInteger(Variant(int32_t{-5})), -5);
  EXPECT_EQ(test_support::ErrorNumberOf([] { ToInteger(Variant(int32_t{40000})); }), err::kOverflow);
  EXPECT_EQ(test_support::ErrorNumberOf([] { ToLong(Variant(ObjectRef())); }), err::kTypeMismatch);
  EXPECT_TRUE(ToBoolean(Variant(int32_t{3})));
  EXPECT_EQ(ToText(Variant(int32_t{47})), "47");
  EXPECT_EQ(ToText(Variant(false)), "False");
}

TEST(IsDouble, ExactlyOnePointAndDigits) {
  struct Case {
    const char* text;
    bool expected;
  } cases[] = {{"12.5", true}, {"-0.25", true},  {"5.", true},     {".5", true},    {"-.", true},
               {"12", false},  {"1.2.3", false}, {"1e5.0", false}, {"+1.5", false}, {".", false},
               {"", false},    {"1-.5", false},  {" 1.5", false}};
  for (const auto& c : cases) EXPECT_EQ(IsDouble(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace vx4820cal
