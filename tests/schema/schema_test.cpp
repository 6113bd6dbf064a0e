// clsSchema as the tier uses it: its model records, tier lists and menu list.
#include <gtest/gtest.h>

#include "schema/schema_fixture.h"

namespace vx4820cal {
namespace {

using test_support::ArmedReporting;
using test_support::KeysOf;
using test_support::kProductModels;
using test_support::OnFreshThread;
using test_support::RaisedBy;
using test_support::SchemaFixture;

const char kDuplicateKeyText[] = "This key is already associated with an element of this collection";

// Every version of every model, in model order, as DescribeProduct makes them.
std::vector<std::string> ProductKeys(size_t models) {
  std::vector<std::string> keys;
  for (size_t i = 0; i < models; ++i) {
    for (const char* version : {".0001", ".0002", ".0003"}) keys.push_back(kProductModels[i] + version);
  }
  return keys;
}

class SchemaInitialize : public SchemaFixture {};

TEST_F(SchemaInitialize, MakesOneRecordPerModelAndLetsTheHostFillTheVersion) {
  DescribeProduct();
  ASSERT_TRUE(InitializeSchema());
  EXPECT_EQ(version, "0003");
  EXPECT_EQ(scenario->RecordsCreated(), 4);
  EXPECT_EQ(scenario->LiveRecords(), 4);
  // One variable goes to every Init: the later calls see what the first filled.
  auto inits = scenario->Log().CallsTo("Init");
  ASSERT_EQ(inits.size(), 4u);
  for (size_t i = 0; i < inits.size(); ++i) {
    EXPECT_EQ(inits[i].args, (std::vector<std::string>{"VX4820CAL", kProductModels[i], "", i == 0 ? "" : "0003"}));
  }
  EXPECT_EQ(KeysOf(schema->TierList()), ProductKeys(4));
  EXPECT_EQ(schema->TierMenuList(),
            "|VX4820 Standard Rx|VX4820 Standard Rx.0003||VX4820 Trigger Base Rx|VX4820 Trigger Base Rx.0003"
            "||VX4820 Transmitter|VX4820 Transmitter.0003||VX4820 High Power Tx|VX4820 High Power Tx.0003");
}

TEST_F(SchemaInitialize, HostFailingTheThirdModelEndsItQuietlyWithTwoRecordsKept) {
  DescribeProduct();
  scenario->FailInitFor(kProductModels[2]);
  OnFreshThread([&] {
    ArmedReporting armed;
    EXPECT_FALSE(InitializeSchema());
    EXPECT_TRUE(armed.boxes->Boxes().empty());
    EXPECT_EQ(armed.terminator->calls, 0);
    EXPECT_EQ(scenario->Log().Count("Init"), 3);
    EXPECT_EQ(scenario->RecordsCreated(), 3);
    EXPECT_EQ(scenario->LiveRecords(), 2);  // the failed record is released
    EXPECT_EQ(schema->TierMenuList(), "");
    EXPECT_EQ(KeysOf(schema->TierList()), ProductKeys(2));
    std::string kept = kProductModels[1] + ".0003", missing = kProductModels[2] + ".0003";
    auto path = std::make_shared<Collection>();
    EXPECT_TRUE(schema->GetDBVersionPathForTier(kept, path));
    EXPECT_FALSE(schema->GetDBVersionPathForTier(missing, path));
    EXPECT_TRUE(armed.boxes->Boxes().empty());
  });
}

TEST_F(SchemaInitialize, HostWithoutTheRecordClassEndsItQuietly) {
  DescribeProduct();
  simhost::UnregisterSimProvInfoClass(Api());
  OnFreshThread([&] {
    ArmedReporting armed;
    EXPECT_FALSE(InitializeSchema());
    EXPECT_TRUE(armed.boxes->Boxes().empty());
    EXPECT_TRUE(KeysOf(schema->TierList()).empty());
    EXPECT_EQ(version, "");
  });
}

TEST_F(SchemaInitialize, ModelRecordsSharingAKeyAreReported) {
  scenario->AddChain(kProductModels[0], "Shared", {"0001"});
  scenario->AddChain(kProductModels[1], "Shared", {"0001"});
  OnFreshThread([&] {
    Error error = RaisedBy([&] { InitializeSchema(); });
    EXPECT_EQ(error.Number(), err::kDuplicateKey);
    EXPECT_EQ(error.Description(),
              std::string("VX4820CAL: ItierSchema_Initialize\r\nVX4820CAL: IcolProvInfo_Add\r\n") + kDuplicateKeyText);
  });
}

class SchemaTierList : public SchemaFixture {};

TEST_F(SchemaTierList, IsBuiltAfreshOnEveryCallFromTheHostsRecords) {
  DescribeProduct();
  ASSERT_TRUE(InitializeSchema());
  int reads = scenario->VersionsReads();
  auto first = schema->TierList();
  EXPECT_EQ(scenario->VersionsReads() - reads, 4);  // each model record's Versions, once
  auto second = schema->TierList();
  EXPECT_NE(first, second);
  EXPECT_EQ(KeysOf(first), KeysOf(second));
  first->Remove(1);
  EXPECT_EQ(KeysOf(second), ProductKeys(4));
  // The elements are the host's records, each with the provider of its key.
  std::string key = "VX4820 Transmitter.0002";
  EXPECT_EQ(second->Item(Variant(key))->Provider(), scenario->ProviderFor(key));
}

TEST_F(SchemaTierList, AKeyInTwoModelsFailsWithEachProceduresLine) {
  DescribeProduct();
  scenario->Model(kProductModels[1]).versions.push_back({kProductModels[0] + ".0001", "", "", false});
  ASSERT_TRUE(InitializeSchema());
  OnFreshThread([&] {
    Error error = RaisedBy([&] { schema->TierList(); });
    EXPECT_EQ(error.Number(), err::kDuplicateKey);
    EXPECT_EQ(error.Description(),
              std::string("VX4820CAL: ItierSchema_TierList\r\nVX4820CAL: TierList\r\nVX4820CAL: IcolProvInfo_Add\r\n") +
                  kDuplicateKeyText);
  });
}

TEST_F(SchemaFixture, MenuListJoinsTheRecordsInTheMenu) {
  struct Case {
    std::vector<bool> in_menu;
    std::string expected;
  };
  const Case cases[] = {
      {{false, false, false, false}, ""},
      // One record: exactly three fields. This one stands for an older version.
      {{false, false, true, false}, "VX4820 Transmitter.0003|Transmitter|VX4820 Transmitter.0002"},
      {{true, false, true, false},
       "|VX4820 Standard Rx|VX4820 Standard Rx.0003|VX4820 Transmitter.0003|Transmitter|VX4820 Transmitter.0002"},
  };
  DescribeProduct();
  scenario->Model(kProductModels[2]).record = {"VX4820 Transmitter.0002", "VX4820 Transmitter.0003", "Transmitter",
                                               true};
  for (const Case& c : cases) {
    for (size_t i = 0; i < kProductModels.size(); ++i) scenario->Model(kProductModels[i]).record.in_menu = c.in_menu[i];
    schema = NewSchema();
    ASSERT_TRUE(InitializeSchema());
    EXPECT_EQ(schema->TierMenuList(), c.expected);
  }
}

TEST_F(SchemaFixture, BeforeInitializeAnswersNothingAndTierListFails) {
  OnFreshThread([&] {
    EXPECT_EQ(schema->TierMenuList(), "");
    Error error = RaisedBy([&] { schema->TierList(); });
    EXPECT_EQ(error.Number(), err::kObjectNotSet);
    EXPECT_EQ(error.Description(),
              "VX4820CAL: ItierSchema_TierList\r\nVX4820CAL: TierList\r\n"
              "Object variable or With block variable not set");
    std::string key = "VX4820 Standard Rx.0003", name = "VX4820 Standard Rx", version_text = "0003";
    auto path = test_support::CollectionOf({"kept"});
    auto given = path;
    EXPECT_FALSE(schema->GetDBVersionPathForTier(key, path));
    EXPECT_EQ(path, given);
    EXPECT_FALSE(schema->GetDBVersionPathForTierAndVersion(name, version_text, path));
    EXPECT_EQ(test_support::TextsOf(*path), std::vector<std::string>{"kept"});
    EXPECT_EQ(schema->GetLatestTierForTierNameAndVersion(name, version_text), "");
  });
}

}  // namespace
}  // namespace vx4820cal
