#include "ui/user_field.h"

#include <gtest/gtest.h>

#include "ui_test_helpers.h"

namespace vx4820cal {
namespace {

using test_support::Describe;
using test_support::OnArmedThread;
using test_support::Reports;

TEST(UserField, FreshRecordHoldsZeroesAndEmptyTexts) {
  clsUserField field;
  // Outside the reader the customer access level is 0 and the units empty.
  EXPECT_EQ(Describe(field), "||0||0|0|0|false|0||||false");
}

TEST(UserField, AccessLevelsPassAsTextAndRoundLikeTheRunTime) {
  OnArmedThread([](Reports& reports) {
    struct Case {
      const char* written;
      const char* read;
    };
    for (Case c : {Case{"40", "40"}, Case{"-1", "-1"}, Case{" 20 ", "20"}, Case{"12.5", "12"}, Case{"13.5", "14"},
                   Case{"-32768", "-32768"}, Case{"32767", "32767"}}) {
      clsUserField field;
      field.FactAccessLevel(c.written);
      field.CustAccessLevel(c.written);
      EXPECT_EQ(field.FactAccessLevel(), c.read) << c.written;
      EXPECT_EQ(field.CustAccessLevel(), c.read) << c.written;
    }
    EXPECT_TRUE(reports.boxes->Boxes().empty());
  });
}

TEST(UserField, BadAccessLevelIsReportedUnderItsWriterAndLeavesTheLevel) {
  OnArmedThread([](Reports& reports) {
    clsUserField field;
    field.FactAccessLevel("20");
    field.CustAccessLevel("40");
    field.FactAccessLevel("32768");
    field.CustAccessLevel("forty");
    EXPECT_EQ(field.FactAccessLevel(), "20");
    EXPECT_EQ(field.CustAccessLevel(), "40");
    EXPECT_EQ(reports.Texts(), (std::vector<std::string>{"VX4820CAL: FactAccessLevel Let\r\nOverflow",
                                                         "VX4820CAL: CustAccessLevel Let\r\nType mismatch"}));
    EXPECT_EQ(reports.terminator->calls, 2);
  });
}

TEST(UserField, EveryOtherAccessorStoresItsOwnField) {
  clsUserField field;
  field.UIID("Id");
  field.Label("Lbl");
  field.HelpID(7);
  field.Units("dB");
  field.UIWidth(300);
  field.UIWidthDefault(450);
  field.FactButCustVis(true);
  field.SpclRestrictions("ReadOnly");
  field.NavLabel("Nav");
  field.ATGridID("Grid");
  field.DecimalSymbol(true);
  EXPECT_EQ(Describe(field), "Id|Lbl|7|dB|300|450|0|true|0|ReadOnly|Nav|Grid|true");
}

}  // namespace
}  // namespace vx4820cal
