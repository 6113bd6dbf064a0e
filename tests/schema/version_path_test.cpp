// The database version paths and the latest tier, walked through the host's chains.
#include <gtest/gtest.h>

#include <functional>

#include "schema/schema_fixture.h"
#include "schema/schema_support.h"

namespace vx4820cal {
namespace {

using test_support::ArmedReporting;
using test_support::CollectionOf;
using test_support::kProductModels;
using test_support::OnFreshThread;
using test_support::RaisedBy;
using test_support::TextsOf;
using Texts = std::vector<std::string>;

const std::string kRx = "VX4820 Standard Rx";
const std::string kTx = "VX4820 Transmitter";

class VersionPathTest : public test_support::SchemaFixture {
 protected:
  void SetUp() override {
    SchemaFixture::SetUp();
    DescribeProduct();
  }

  // Answers of the two chain walks for one tier name and version.
  bool PathFor(std::string name, std::string version_text, std::shared_ptr<Collection>& path) {
    return schema->GetDBVersionPathForTierAndVersion(name, version_text, path);
  }
  std::string LatestFor(std::string name, std::string version_text) {
    return schema->GetLatestTierForTierNameAndVersion(name, version_text);
  }
};

TEST_F(VersionPathTest, ForTierReplacesThePathWithTheRecordsVersionsLatestFirst) {
  // The host lists the versions of one model out of order, and one model record
  // stands for a version its Versions lack.
  auto& trigger = scenario->Model(kProductModels[1]).versions;
  std::swap(trigger[0], trigger[2]);
  scenario->Model(kProductModels[3]).record.key = "VX4820 High Power Tx.0004";
  ASSERT_TRUE(InitializeSchema());

  struct Case {
    std::string key;
    bool result;
    Texts path;
  };
  const Case cases[] = {
      {"VX4820 Transmitter.0003", true, {kTx + ".0003", kTx + ".0002", kTx + ".0001"}},
      {"vx4820 TRANSMITTER.0003", true, {kTx + ".0003", kTx + ".0002", kTx + ".0001"}},
      {"VX4820 Trigger Base Rx.0003",
       true,
       {"VX4820 Trigger Base Rx.0003", "VX4820 Trigger Base Rx.0002", "VX4820 Trigger Base Rx.0001"}},
      {"VX4820 High Power Tx.0004",
       false,
       {"VX4820 High Power Tx.0003", "VX4820 High Power Tx.0002", "VX4820 High Power Tx.0001"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    std::string key = c.key;
    auto given = CollectionOf({"earlier"});
    auto path = given;
    EXPECT_EQ(schema->GetDBVersionPathForTier(key, path), c.result);
    EXPECT_NE(path, given);
    EXPECT_EQ(TextsOf(*path), c.path);
    EXPECT_EQ(TextsOf(*given), Texts{"earlier"});
  }
}

TEST_F(VersionPathTest, ForTierWithAKeyThatIsNoModelRecordsLeavesThePathAlone) {
  ASSERT_TRUE(InitializeSchema());
  OnFreshThread([&] {
    ArmedReporting armed;
    for (std::string key : {"VX4820 Transmitter.0002", "VX4820 Transmitter", ""}) {
      auto given = CollectionOf({"earlier"});
      auto path = given;
      EXPECT_FALSE(schema->GetDBVersionPathForTier(key, path));
      EXPECT_EQ(path, given);
      EXPECT_EQ(TextsOf(*path), Texts{"earlier"});
    }
    EXPECT_TRUE(armed.boxes->Boxes().empty());
  });
}

TEST_F(VersionPathTest, ForTierAndVersionPutsEachLaterKeyInFront) {
  ASSERT_TRUE(InitializeSchema());
  struct Case {
    std::string name, version_text;
    Texts before, after;
  };
  const Case cases[] = {
      {kRx, "0003", {}, {kRx + ".0003"}},
      {kRx, "0002", {}, {kRx + ".0003", kRx + ".0002"}},
      {kRx, "0001", {}, {kRx + ".0003", kRx + ".0002", kRx + ".0001"}},
      // The key is looked up in any letter case; the path holds the record's own.
      {"vx4820 standard RX", "0002", {}, {kRx + ".0003", kRx + ".0002"}},
      // The caller's collection is not emptied first.
      {kRx, "0001", {"earlier"}, {kRx + ".0003", kRx + ".0002", "earlier", kRx + ".0001"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + "." + c.version_text);
    auto path = CollectionOf(c.before);
    EXPECT_TRUE(PathFor(c.name, c.version_text, path));
    EXPECT_EQ(TextsOf(*path), c.after);
  }
}

TEST_F(VersionPathTest, MissingTierOrVersionAnswersQuietly) {
  ASSERT_TRUE(InitializeSchema());
  OnFreshThread([&] {
    ArmedReporting armed;
    for (auto [name, version_text] : {std::pair{kRx, "0004"}, {"VX4820", "0003"}, {"", ""}}) {
      auto path = CollectionOf({"earlier"});
      EXPECT_FALSE(PathFor(name, version_text, path));
      EXPECT_EQ(TextsOf(*path), Texts{"earlier"});
      EXPECT_EQ(LatestFor(name, version_text), "");
    }
    EXPECT_TRUE(armed.boxes->Boxes().empty());
    EXPECT_EQ(armed.terminator->calls, 0);
  });
}

TEST_F(VersionPathTest, ForTierAndVersionWithoutACollectionFailsAtTheAppend) {
  ASSERT_TRUE(InitializeSchema());
  OnFreshThread([&] {
    std::shared_ptr<Collection> none;
    Error error = RaisedBy([&] { PathFor(kRx, "0001", none); });
    EXPECT_EQ(error.Number(), err::kObjectNotSet);
    EXPECT_EQ(error.Description(),
              "VX4820CAL: ItierSchema_GetDBVersionPathForTierAndVersion\r\n"
              "VX4820CAL: GetDBVersionPathForTierAndVersion\r\nObject variable or With block variable not set");
  });
}

TEST_F(VersionPathTest, LatestIsTheEndOfTheChainFromAnyVersion) {
  ASSERT_TRUE(InitializeSchema());
  for (const char* version_text : {"0001", "0002", "0003"}) EXPECT_EQ(LatestFor(kTx, version_text), kTx + ".0003");
  EXPECT_EQ(LatestFor("vx4820 transmitter", "0001"), kTx + ".0003");
}

// A chain that leads nowhere or round in a circle ends with an error instead of
// walking on: reported by the path, swallowed by the latest tier.
class BrokenChainTest : public VersionPathTest {
 protected:
  using Break = std::function<void(std::vector<simhost::SimVersion>&)>;
  struct Case {
    const char* what;
    Break damage;
  };
  static std::vector<Case> Cases() {
    return {
        {"next key no version carries", [](auto& v) { v[1].next_key = kRx + ".0009"; }},
        {"next key in other letter case", [](auto& v) { v[0].next_key = "vx4820 standard rx.0002"; }},
        {"record naming itself", [](auto& v) { v[1].next_key = v[1].key; }},
        {"latest leading back to the first", [](auto& v) { v[2].next_key = v[0].key; }},
    };
  }
  // A schema whose Standard Rx chain is damaged as the case says.
  void InitializeDamaged(const Case& c) {
    c.damage(scenario->AddChain(kRx, kRx, {"0001", "0002", "0003"}).versions);
    schema = NewSchema();
    ASSERT_TRUE(InitializeSchema());
  }
};

TEST_F(BrokenChainTest, UnarmedThePathRaisesABrokenChainWithItsLines) {
  OnFreshThread([&] {
    for (const Case& c : Cases()) {
      SCOPED_TRACE(c.what);
      InitializeDamaged(c);
      auto path = std::make_shared<Collection>();
      Error error = RaisedBy([&] { PathFor(kRx, "0001", path); });
      EXPECT_EQ(error.Number(), err::kInvalidArgument);
      EXPECT_EQ(error.Description().rfind("VX4820CAL: ItierSchema_GetDBVersionPathForTierAndVersion\r\n"
                                          "VX4820CAL: GetDBVersionPathForTierAndVersion\r\nBroken version chain: ",
                                          0),
                0u)
          << error.Description();
      EXPECT_EQ(path->Count(), 0);
    }
  });
}

TEST_F(BrokenChainTest, ArmedThePathReportsOnceAndTheLatestIsEmpty) {
  OnFreshThread([&] {
    ArmedReporting armed;
    for (const Case& c : Cases()) {
      SCOPED_TRACE(c.what);
      InitializeDamaged(c);
      armed.boxes->Clear();
      armed.terminator->calls = 0;
      auto path = CollectionOf({"earlier"});
      EXPECT_FALSE(PathFor(kRx, "0001", path));
      EXPECT_EQ(TextsOf(*path), Texts{"earlier"});
      ASSERT_EQ(armed.boxes->Boxes().size(), 1u);
      EXPECT_EQ(armed.boxes->Boxes()[0].text.rfind(
                    "VX4820CAL: GetDBVersionPathForTierAndVersion\r\nBroken version chain: ", 0),
                0u);
      EXPECT_EQ(armed.terminator->calls, 1);

      EXPECT_EQ(LatestFor(kRx, "0001"), "");
      EXPECT_EQ(armed.boxes->Boxes().size(), 1u);
    }
  });
}

TEST(SortVersionPath, OrdersLatestFirstByBinaryComparison) {
  struct Case {
    Texts before, after;
  };
  const Case cases[] = {
      {{}, {}},
      {{"T.0001"}, {"T.0001"}},
      {{"T.0001", "T.0003", "T.0002"}, {"T.0003", "T.0002", "T.0001"}},
      {{"a", "B", "b", "A"}, {"b", "a", "B", "A"}},
      {{"T.10", "T.9"}, {"T.9", "T.10"}},
      {{"T.É", "T.Z", "T.é"}, {"T.é", "T.É", "T.Z"}},
  };
  for (const Case& c : cases) {
    auto path = CollectionOf(c.before);
    schema_support::SortVersionPath(path);
    EXPECT_EQ(TextsOf(*path), c.after);
  }
}

TEST(SortVersionPath, DropsKeysAndNeedsACollection) {
  auto path = std::make_shared<Collection>();
  path->Add(Variant("T.0001"), "first");
  path->Add(Variant("T.0002"));
  schema_support::SortVersionPath(path);
  EXPECT_EQ(TextsOf(*path), (Texts{"T.0002", "T.0001"}));
  EXPECT_FALSE(path->ContainsKey("first"));

  OnFreshThread([] {
    Error error = RaisedBy([] { schema_support::SortVersionPath(nullptr); });
    EXPECT_EQ(error.Number(), err::kObjectNotSet);
    EXPECT_EQ(error.Description(), "VX4820CAL: SortVersionPath\r\nObject variable or With block variable not set");
  });
}

}  // namespace
}  // namespace vx4820cal
