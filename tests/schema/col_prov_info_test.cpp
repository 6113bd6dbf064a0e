#include "schema/col_prov_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error_convention.h"
#include "host/message_box_recorder.h"
#include "host/sim_prov_info.h"
#include "support/test_support.h"
#include "vx4820cal/component.h"

namespace vx4820cal {
namespace {

using simhost::SimProvInfo;
using simhost::SimVersion;
using test_support::OnFreshThread;
using test_support::RaisedBy;

std::shared_ptr<IprovInfo> Record(const std::string& key) {
  return std::make_shared<SimProvInfo>(SimVersion{key, "", "", false});
}

std::vector<std::string> KeysInOrder(const std::shared_ptr<IcolProvInfo>& collection) {
  std::vector<std::string> keys;
  ForEachProvInfo(collection, [&](const std::shared_ptr<IprovInfo>& item) {
    keys.push_back(item->Key());
    return true;
  });
  return keys;
}

class ColProvInfoTest : public ::testing::Test {
 protected:
  // Three records under keys in mixed letter case.
  void SetUp() override {
    for (const char* key : {"Srx.0001", "Srx.0002", "Tx.0001"}) list->Add(Record(key), key);
  }
  std::shared_ptr<IcolProvInfo> list = NewColProvInfo();
};

TEST_F(ColProvInfoTest, ElementWithoutKeyIsCountedWalkedAndReachedByNumberOnly) {
  list->Add(Record("unkeyed"), "");
  EXPECT_EQ(list->Count(), 4);
  EXPECT_EQ(list->Item(4)->Key(), "unkeyed");
  EXPECT_EQ(KeysInOrder(list), (std::vector<std::string>{"Srx.0001", "Srx.0002", "Tx.0001", "unkeyed"}));
  EXPECT_FALSE(list->Exists(""));
  EXPECT_FALSE(list->Exists("unkeyed"));
}

TEST_F(ColProvInfoTest, KeysMatchInAnyLetterCase) {
  for (const char* key : {"Srx.0002", "SRX.0002", "srx.0002", "sRx.0002"}) {
    SCOPED_TRACE(key);
    EXPECT_TRUE(list->Exists(key));
    EXPECT_EQ(list->Item(Variant(key))->Key(), "Srx.0002");
  }
  EXPECT_FALSE(list->Exists("Srx.0003"));
  // Letters beyond ASCII fold as well.
  list->Add(Record("é"), "é.0001");
  EXPECT_TRUE(list->Exists("É.0001"));
}

TEST_F(ColProvInfoTest, KeyDifferingOnlyInCaseIsRefused) {
  OnFreshThread([&] {
    Error error = RaisedBy([&] { list->Add(Record("dup"), "TX.0001"); });
    EXPECT_EQ(error.Number(), err::kDuplicateKey);
    EXPECT_EQ(error.Description(),
              "VX4820CAL: IcolProvInfo_Add\r\nThis key is already associated with an element of this collection");
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Item(Variant("tx.0001"))->Key(), "Tx.0001");
  });
}

TEST_F(ColProvInfoTest, ItemOutOfRangeOrMissingFailsWithItsLine) {
  struct Case {
    Variant index;
    int32_t number;
    const char* text;
  };
  const Case cases[] = {
      {Variant(0), err::kSubscriptOutOfRange, "Subscript out of range"},
      {Variant(4), err::kSubscriptOutOfRange, "Subscript out of range"},
      {Variant("Hptx.0001"), err::kInvalidArgument, "Invalid procedure call or argument"},
      {Variant(""), err::kInvalidArgument, "Invalid procedure call or argument"},
  };
  OnFreshThread([&] {
    for (const Case& c : cases) {
      Error error = RaisedBy([&] { list->Item(c.index); });
      EXPECT_EQ(error.Number(), c.number);
      EXPECT_EQ(error.Description(), std::string("VX4820CAL: IcolProvInfo_Item\r\n") + c.text);
    }
  });
}

// Item raises again even when reporting is armed, so that the caller's trap decides;
// Add reports by itself and leaves the collection as it was.
TEST_F(ColProvInfoTest, ArmedItemStillRaisesWhileAddReports) {
  OnFreshThread([&] {
    auto boxes = std::make_shared<simhost::MessageBoxRecorder>();
    InstallMessageBoxService(boxes);
    auto terminator = std::make_shared<test_support::CountingTerminator>();
    InitRaiseError(terminator);

    EXPECT_EQ(RaisedBy([&] { list->Item(0); }).Number(), err::kSubscriptOutOfRange);
    EXPECT_TRUE(boxes->Boxes().empty());

    EXPECT_NO_THROW(list->Add(Record("dup"), "srx.0001"));
    ASSERT_EQ(boxes->Boxes().size(), 1u);
    EXPECT_EQ(boxes->Boxes()[0].text,
              "VX4820CAL: IcolProvInfo_Add\r\nThis key is already associated with an element of this collection");
    EXPECT_EQ(terminator->calls, 1);
    EXPECT_EQ(list->Count(), 3);
    InstallMessageBoxService(nullptr);
  });
}

TEST_F(ColProvInfoTest, RemoveRenumbersFromOne) {
  list->Remove(1);
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(list->Item(1)->Key(), "Srx.0002");
  EXPECT_EQ(list->Item(2)->Key(), "Tx.0001");
  list->Remove(Variant("TX.0001"));
  EXPECT_EQ(KeysInOrder(list), (std::vector<std::string>{"Srx.0002"}));
  EXPECT_FALSE(list->Exists("Tx.0001"));
  // The key is free again.
  list->Add(Record("again"), "tx.0001");
  EXPECT_EQ(list->Item(2)->Key(), "again");
}

TEST_F(ColProvInfoTest, WalkSeesTheElementsAsTheyWereWhenItBegan) {
  std::vector<std::string> seen;
  ForEachProvInfo(list, [&](const std::shared_ptr<IprovInfo>& item) {
    seen.push_back(item->Key());
    if (list->Count() == 3) list->Remove(1);
    return true;
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"Srx.0001", "Srx.0002", "Tx.0001"}));
  EXPECT_EQ(list->Count(), 2);
}

TEST(ForEachProvInfo, StopsWhenTheVisitSaysSoAndRefusesOtherElements) {
  auto list = NewColProvInfo();
  for (const char* key : {"a", "b", "c"}) list->Add(Record(key), key);
  int visits = 0;
  ForEachProvInfo(list, [&](const std::shared_ptr<IprovInfo>& item) {
    ++visits;
    return item->Key() != "b";
  });
  EXPECT_EQ(visits, 2);

  // A record that holds nothing cannot be walked past.
  list->Add(nullptr, "none");
  EXPECT_FALSE(list->Exists("none"));
  EXPECT_EQ(RaisedBy([&] { ForEachProvInfo(list, [](const auto&) { return true; }); }).Number(), err::kObjectNotSet);
}

}  // namespace
}  // namespace vx4820cal
