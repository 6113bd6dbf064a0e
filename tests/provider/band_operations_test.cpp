// The band questions of the provider owner: every answer is the delegate tier's,
// passed through the caller's own variables.
#include <gtest/gtest.h>

#include "host/sim_xarraydb.h"
#include "provider_scene.h"

namespace vx4820cal {
namespace {

using test_support::OnFreshThread;
using test_support::ProviderScene;
using test_support::RaisedBy;
using test_support::SourceLine;

const simhost::FrequencyRanges kBand3 = {136000, 174000, 136500, 173500, "6.25/12.5"};

// The caller's five answer variables, with values the delegate must overwrite.
struct Ranges {
  int32_t rx_min = -1, rx_max = -1, tx_min = -1, tx_max = -1;
  std::string divisor = "untouched";
  std::vector<const void*> Addresses() const { return {&rx_min, &rx_max, &tx_min, &tx_max, &divisor}; }
  bool Equals(const simhost::FrequencyRanges& r) const {
    return rx_min == r.rx_min && rx_max == r.rx_max && tx_min == r.tx_min && tx_max == r.tx_max && divisor == r.divisor;
  }
  bool Untouched() const { return Equals({-1, -1, -1, -1, "untouched"}); }
};

TEST(GetFrequencyRanges, TheDelegateWritesTheCallersVariables) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.delegate_owner->SetFrequencyRanges(3, kBand3);
    int32_t band = 3;
    Ranges ranges;
    scene.owner->GetFrequencyRanges(band, ranges.rx_min, ranges.rx_max, ranges.tx_min, ranges.tx_max, ranges.divisor);
    EXPECT_TRUE(ranges.Equals(kBand3));
    std::vector<const void*> expected = {&band};
    for (const void* address : ranges.Addresses()) expected.push_back(address);
    EXPECT_EQ(scene.delegate_owner->LastReferences(), expected);
  });
}

TEST(GetFrequencyRanges, TheDelegatesErrorIsRaisedAgainEvenWhenReportingIsArmed) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.Arm();
    int32_t band = 9;
    Ranges ranges;
    Error error = RaisedBy([&] {
      scene.owner->GetFrequencyRanges(band, ranges.rx_min, ranges.rx_max, ranges.tx_min, ranges.tx_max, ranges.divisor);
    });
    EXPECT_EQ(error.Number(), 5);
    EXPECT_EQ(error.Source(), "LR2930 Cal");
    EXPECT_EQ(error.Description(), SourceLine("IproviderOwner_GetFrequencyRanges") + "Band 9 is not known");
    EXPECT_TRUE(scene.boxes->Boxes().empty());
    EXPECT_EQ(scene.terminator->calls, 0);
  });
}

TEST(GetBands, TheDelegateFillsTheCallersList) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.delegate_owner->SetBands({"A4", "K5"});
    auto sim_list = std::make_shared<simhost::SimXArrayDB>();
    std::shared_ptr<XArrayDBObject> list = sim_list;
    scene.owner->GetBands(list);
    EXPECT_EQ(scene.delegate_owner->LastReferences(), std::vector<const void*>{&list});
    ASSERT_EQ(sim_list->UpperBound(1), 1);
    EXPECT_EQ(sim_list->Value(0, 0), Variant("A4"));
    EXPECT_EQ(sim_list->Value(1, 0), Variant("K5"));
  });
}

TEST(GetBands, WithoutADelegateTierTheErrorIsRaisedAgainWithItsLine) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.Arm();
    scene.RemoveDelegate();
    std::shared_ptr<XArrayDBObject> list = std::make_shared<simhost::SimXArrayDB>();
    Error error = RaisedBy([&] { scene.owner->GetBands(list); });
    EXPECT_EQ(error.Number(), 91);
    EXPECT_EQ(error.Description(),
              SourceLine("IproviderOwner_GetBands") + "Object variable or With block variable not set");
    EXPECT_TRUE(scene.boxes->Boxes().empty());
  });
}

TEST(GetBandDesc, AnswersTheDelegatesTextForTheSameProvider) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.delegate_owner->SetBandDesc("  H5: 450-470 MHz ");
    std::shared_ptr<Iprovider> provider = scene.provider;
    EXPECT_EQ(scene.owner->GetBandDesc(provider), "  H5: 450-470 MHz ");
    EXPECT_EQ(scene.delegate_owner->LastReferences(), std::vector<const void*>{&provider});
  });
}

TEST(GetBandDesc, WithoutADelegateTierTheErrorCarriesNoLineOfThisComponent) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.Arm();
    scene.RemoveDelegate();
    std::shared_ptr<Iprovider> provider = scene.provider;
    Error error = RaisedBy([&] { scene.owner->GetBandDesc(provider); });
    EXPECT_EQ(error.Number(), 91);
    EXPECT_EQ(error.Description(), "Object variable or With block variable not set");
    EXPECT_TRUE(scene.boxes->Boxes().empty());
  });
}

TEST(GetCurrentFrequencyRanges, EqualsTheLookupByTheCurrentProvidersBand) {
  for (const Variant& stored : {Variant(int32_t{3}), Variant("3"), Variant(3.0)}) {
    OnFreshThread([&] {
      ProviderScene scene;
      scene.delegate_owner->SetFrequencyRanges(3, kBand3);
      scene.delegate_owner->SetFrequencyRanges(4, {1, 2, 3, 4, "wrong band"});
      scene.provider->SetValue("Band_r5k", 1, stored);
      scene.provider->SetValue("Band_r5k", 2, Variant(int32_t{4}));

      Ranges by_band;
      int32_t band = 3;
      scene.owner->GetFrequencyRanges(band, by_band.rx_min, by_band.rx_max, by_band.tx_min, by_band.tx_max,
                                      by_band.divisor);
      Ranges current;
      scene.owner->GetCurrentFrequencyRanges(current.rx_min, current.rx_max, current.tx_min, current.tx_max,
                                             current.divisor);
      EXPECT_TRUE(current.Equals(kBand3));
      EXPECT_TRUE(by_band.Equals(kBand3));
      EXPECT_EQ(scene.delegate_owner->Log().CallsTo("GetFrequencyRanges").back().args, std::vector<std::string>{"3"});
      // The caller's five variables go through; the band is this owner's own.
      auto references = scene.delegate_owner->LastReferences();
      EXPECT_EQ(std::vector<const void*>(references.begin() + 1, references.end()), current.Addresses());
    });
  }
}

TEST(GetCurrentFrequencyRanges, EachMissingPieceIsReportedAndLeavesTheAnswersAlone) {
  struct Case {
    const char* what;
    std::function<void(ProviderScene&)> break_it;
    std::string last_line;
  };
  const std::vector<Case> cases = {
      {"no stored tier", [](ProviderScene& s) { s.owner->Initialize(nullptr); },
       "Object variable or With block variable not set"},
      {"no current provider", [](ProviderScene& s) { s.owning_tier->SetCurrentProvider(nullptr); },
       "Object variable or With block variable not set"},
      {"no band field", [](ProviderScene& s) { s.provider->SetValue("Band", 1, Variant(int32_t{3})); },
       "Field 'Band_r5k' not found in provider"},
      {"band not a number", [](ProviderScene& s) { s.provider->SetValue("Band_r5k", 1, Variant("three")); },
       "Type mismatch"},
      {"band unknown to the delegate",
       [](ProviderScene& s) { s.provider->SetValue("Band_r5k", 1, Variant(int32_t{7})); },
       SourceLine("IproviderOwner_GetFrequencyRanges") + "Band 7 is not known"},
  };
  for (const Case& c : cases) {
    OnFreshThread([&] {
      ProviderScene scene;
      scene.Arm();
      scene.delegate_owner->SetFrequencyRanges(3, kBand3);
      c.break_it(scene);
      Ranges ranges;
      scene.owner->GetCurrentFrequencyRanges(ranges.rx_min, ranges.rx_max, ranges.tx_min, ranges.tx_max,
                                             ranges.divisor);
      EXPECT_TRUE(ranges.Untouched()) << c.what;
      ASSERT_EQ(scene.boxes->Boxes().size(), 1u) << c.what;
      EXPECT_EQ(scene.boxes->Boxes()[0].text, SourceLine("IproviderOwner_GetCurrentFrequencyRanges") + c.last_line)
          << c.what;
      EXPECT_EQ(scene.terminator->calls, 1) << c.what;
    });
  }
}

}  // namespace
}  // namespace vx4820cal
