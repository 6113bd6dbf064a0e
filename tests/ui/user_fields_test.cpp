#include "ui/user_fields.h"

#include <gtest/gtest.h>

#include "ui_test_helpers.h"

namespace vx4820cal {
namespace {

using test_support::Describe;
using test_support::DescribeAll;
using test_support::OnArmedThread;
using test_support::OnUnarmedThread;
using test_support::Reports;

// Three records, as Add is given them by the reader.
void AddThree(colUserFields& fields) {
  fields.Add({.UIID = "TxPower", .Label = "Power", .Units = "dBm", .intCustAccessLevel = 40});
  fields.Add({.UIID = "Fréq",
              .Label = "Frequency",
              .HelpID = 12,
              .Units = "MHz",
              .UIWidth = 960,
              .intFactAccessLevel = 20,
              .blnFactButCustVis = true,
              .intCustAccessLevel = -1,
              .strSpclRestrictions = "ReadOnly",
              .strATGridID = "Grid",
              .blnDecimalSymbol = true,
              .strNavLabel = "Receiver"});
  fields.Add({.UIID = "Mute"});
}

TEST(UserFields, AddStoresEveryValueAndKeepsFileOrder) {
  OnArmedThread([](Reports& reports) {
    colUserFields fields;
    AddThree(fields);
    EXPECT_EQ(DescribeAll(fields), (std::vector<std::string>{
                                       "TxPower|Power|0|dBm|0|0|0|false|40||||false",
                                       "Fréq|Frequency|12|MHz|960|0|20|true|-1|ReadOnly|Receiver|Grid|true",
                                       "Mute||0||0|0|0|false|0||||false",
                                   }));
    EXPECT_EQ(fields.Count(), 3);
    EXPECT_TRUE(reports.boxes->Boxes().empty());
  });
}

TEST(UserFields, KeysIgnoreLetterCaseAcrossTheCodePage) {
  OnArmedThread([](Reports&) {
    colUserFields fields;
    AddThree(fields);
    for (const char* key : {"txpower", "TXPOWER", "TxPower"}) {
      EXPECT_TRUE(fields.Exists(Variant(key))) << key;
      EXPECT_EQ(fields.Item(key)->UIID(), "TxPower") << key;
    }
    EXPECT_EQ(fields.Item("FRÉQ")->UIID(), "Fréq");
    EXPECT_TRUE(fields.Exists(Variant(int32_t{3})));
    EXPECT_FALSE(fields.Exists(Variant(int32_t{4})));
    EXPECT_FALSE(fields.Exists(Variant(int32_t{0})));
    EXPECT_FALSE(fields.Exists(Variant()));
    EXPECT_FALSE(fields.Exists(Variant("")));
  });
}

TEST(UserFields, DuplicateInOtherCaseIsReportedOnceAndDropped) {
  OnArmedThread([](Reports& reports) {
    colUserFields fields;
    AddThree(fields);
    EXPECT_EQ(fields.Add({.UIID = "TXPOWER", .Label = "Second"}), nullptr);
    EXPECT_EQ(fields.Add({.UIID = "FRÉQ"}), nullptr);
    EXPECT_EQ(fields.Count(), 3);
    EXPECT_EQ(fields.Item("txpower")->Label(), "Power");
    const std::string duplicate = "VX4820CAL: Add\r\nThis key is already associated with an element of this collection";
    EXPECT_EQ(reports.Texts(), (std::vector<std::string>{duplicate, duplicate}));
  });
}

TEST(UserFields, EmptyUIIDIsRefusedRatherThanStoredOutOfReach) {
  OnArmedThread([](Reports& reports) {
    colUserFields fields;
    EXPECT_EQ(fields.Add({.Label = "No id"}), nullptr);
    EXPECT_EQ(fields.Count(), 0);
    EXPECT_EQ(reports.Texts(), (std::vector<std::string>{"VX4820CAL: Add\r\nInvalid procedure call or argument"}));
  });
}

TEST(UserFields, UnknownKeyItemFailsPlainlyRemoveIgnoresIt) {
  OnUnarmedThread([] {
    colUserFields fields;
    AddThree(fields);
    try {
      fields.Item("Unknown");
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), 5);
      EXPECT_EQ(error.Description(), "Invalid procedure call or argument");  // no source line added
    }
    fields.Remove("Unknown");
    EXPECT_FALSE(fields.Exists(Variant("Unknown")));
    EXPECT_EQ(fields.Count(), 3);
  });
}

TEST(UserFields, RemoveTakesTheKeyInAnyCaseAndRemoveAllEmpties) {
  OnArmedThread([](Reports&) {
    colUserFields fields;
    AddThree(fields);
    fields.Remove("fréq");
    EXPECT_FALSE(fields.Exists(Variant("Fréq")));
    EXPECT_EQ(fields.Item(std::string("mute"))->UIID(), "Mute");
    fields.RemoveAll();
    EXPECT_EQ(fields.Count(), 0);
    EXPECT_FALSE(fields.Exists(Variant(int32_t{1})));
    // The keys are free again.
    EXPECT_NE(fields.Add({.UIID = "TxPower"}), nullptr);
  });
}

TEST(UserFields, EnumeratorWalksInOrderUndisturbedByLaterChanges) {
  OnArmedThread([](Reports&) {
    colUserFields fields;
    AddThree(fields);
    std::shared_ptr<Ienumerator> walk = fields.NewEnum();
    fields.RemoveAll();
    std::vector<std::string> seen;
    for (Variant item; walk->Next(item);) {
      seen.push_back(std::dynamic_pointer_cast<clsUserField>(item.AsObjectUnchecked())->UIID());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"TxPower", "Fréq", "Mute"}));
  });
}

TEST(UserFields, RecordsHandedOutOutliveRemovalAndTheCollection) {
  OnArmedThread([](Reports&) {
    std::shared_ptr<clsUserField> removed;
    std::shared_ptr<clsUserField> cleared;
    std::shared_ptr<clsUserField> orphan;
    {
      colUserFields fields;
      AddThree(fields);
      removed = fields.Item("Mute");
      fields.Remove("Mute");
      cleared = fields.Item("Fréq");
      fields.RemoveAll();
      AddThree(fields);
      orphan = fields.Item("TxPower");
    }
    EXPECT_EQ(Describe(*removed), "Mute||0||0|0|0|false|0||||false");
    EXPECT_EQ(Describe(*cleared), "Fréq|Frequency|12|MHz|960|0|20|true|-1|ReadOnly|Receiver|Grid|true");
    EXPECT_EQ(Describe(*orphan), "TxPower|Power|0|dBm|0|0|0|false|40||||false");
  });
}

TEST(UserFields, ATextSetOnAStoredRecordLeavesTheOthersAndTheNeighbours) {
  OnArmedThread([](Reports&) {
    colUserFields fields;
    AddThree(fields);
    std::shared_ptr<clsUserField> record = fields.Item("Fréq");
    record->Label(std::string(300, 'L'));
    record->Units("");
    record->NavLabel(record->UIID() + " nav");
    EXPECT_EQ(Describe(*record), "Fréq|" + std::string(300, 'L') + "|12||960|0|20|true|-1|ReadOnly|Fréq nav|Grid|true");
    // A copy keeps its texts when the original changes or goes.
    clsUserField copy = *record;
    record->ATGridID("Other");
    fields.RemoveAll();
    EXPECT_EQ(copy.ATGridID(), "Grid");
    EXPECT_EQ(copy.NavLabel(), "Fréq nav");
  });
}

TEST(UserFields, ManyRecordsAcrossBlocksKeepEveryText) {
  OnArmedThread([](Reports&) {
    colUserFields fields;
    // Texts of every length up to several hundred bytes cross the arena's blocks.
    auto text = [](int i, int salt) { return std::string(static_cast<size_t>((i * 37 + salt) % 400), 'a' + i % 26); };
    auto id = [](int i, const char* prefix) {
      std::string uiid = prefix;
      uiid += std::to_string(i);
      return uiid;
    };
    const int kCount = 5000;
    for (int i = 0; i < kCount; ++i) {
      fields.Add({.UIID = id(i, "F"),
                  .Label = text(i, 1),
                  .HelpID = i,
                  .Units = text(i, 2),
                  .strSpclRestrictions = text(i, 3),
                  .strATGridID = text(i, 4),
                  .strNavLabel = text(i, 5)});
    }
    ASSERT_EQ(fields.Count(), kCount);
    for (int i = 0; i < kCount; ++i) {
      std::shared_ptr<clsUserField> record = fields.Item(id(i, "f"));
      ASSERT_EQ(record->HelpID(), i);
      ASSERT_EQ(record->Label(), text(i, 1)) << i;
      ASSERT_EQ(record->Units(), text(i, 2)) << i;
      ASSERT_EQ(record->SpclRestrictions(), text(i, 3)) << i;
      ASSERT_EQ(record->ATGridID(), text(i, 4)) << i;
      ASSERT_EQ(record->NavLabel(), text(i, 5)) << i;
    }
  });
}

}  // namespace
}  // namespace vx4820cal
