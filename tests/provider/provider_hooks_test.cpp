// The record-set hooks of the provider owner: post-add, post-insert, carry-over,
// selection lists, transforms, post-delete, and the hooks handed to the delegate.
#include <gtest/gtest.h>

#include "host/sim_xarraydb.h"
#include "provider_scene.h"

namespace vx4820cal {
namespace {

using test_support::OnFreshThread;
using test_support::ProviderScene;
using test_support::RaisedBy;
using test_support::SourceLine;

const std::string kNotHandledTitle = "Post Add Processing Error";

std::string NotHandled(const std::string& grid) {
  return "The " + grid + " grid is not handled in post add processing";
}

TEST(PostAddProcessing, KnownGridsPassQuietlyAnyOtherSpellingIsNotHandled) {
  struct Case {
    std::string grid;
    bool handled;
  };
  const std::vector<Case> cases = {
      {"RX_FE_TUNE_CAL_FREQ_PTS", true}, {"RX_FE_TUNE_BPFSETTINGS", true},   {"RSSI_CAL_FREQUENCY_PTS", true},
      {"RSSI_DELTA_GAIN_VALUES", true},  {"AGC_DELTA_GAIN_VALUES", true},    {"MUTE_NOISE_READINGS", true},
      {"rssi_delta_gain_values", false}, {"RSSI_DELTA_GAIN_VALUES ", false}, {"", false},
  };
  OnFreshThread([&] {
    ProviderScene scene;
    scene.Arm();
    std::shared_ptr<Iprovider> provider = scene.provider;
    for (const auto& c : cases) {
      scene.boxes->Clear();
      std::string grid = c.grid;
      EXPECT_EQ(scene.owner->PostAddProcessing(provider, grid), c.handled) << '"' << c.grid << '"';
      if (c.handled) {
        EXPECT_TRUE(scene.boxes->Boxes().empty()) << c.grid;
        continue;
      }
      ASSERT_EQ(scene.boxes->Boxes().size(), 1u) << c.grid;
      EXPECT_EQ(scene.boxes->Boxes()[0].text, NotHandled(c.grid));
      EXPECT_EQ(scene.boxes->Boxes()[0].title, kNotHandledTitle);
      EXPECT_EQ(scene.boxes->Boxes()[0].style, 0);
    }
    EXPECT_EQ(scene.terminator->calls, 0);
    EXPECT_TRUE(scene.delegate_owner->Log().Calls().empty());
  });
}

TEST(PostInsertProcessing, RefusesEvenAGridThatPostAddKnows) {
  OnFreshThread([] {
    ProviderScene scene;
    std::shared_ptr<Iprovider> provider = scene.provider;
    std::string grid = "MUTE_NOISE_READINGS";
    int32_t record = 2;
    EXPECT_FALSE(scene.owner->PostInsertProcessing(provider, grid, record));
    ASSERT_EQ(scene.boxes->Boxes().size(), 1u);
    EXPECT_EQ(scene.boxes->Boxes()[0].text, NotHandled("MUTE_NOISE_READINGS"));
    EXPECT_EQ(scene.boxes->Boxes()[0].title, kNotHandledTitle);
    EXPECT_EQ(scene.boxes->Boxes()[0].style, 0);
  });
}

// The carry-over from an older database version.
struct CarryOver {
  std::shared_ptr<Itier> tier = std::make_shared<simhost::SimDelegateTier>();
  std::string source_key = "VX4820 Standard Rx.0046";
  std::shared_ptr<Iprovider> source;
  std::string dest_key = "VX4820 Standard Rx.0047";
  std::shared_ptr<simhost::SimProvider> dest_sim = std::make_shared<simhost::SimProvider>();
  std::shared_ptr<Iprovider> dest = dest_sim;

  CarryOver() { dest_sim->AddField("47.DB_CURRENT_CAL_DATABASE_VERSION"); }
  bool Run(ProviderScene& scene) {
    return scene.owner->BackwardsCompatibility(tier, source_key, source, dest_key, dest);
  }
  Variant Stamp() { return dest_sim->AddField("47.DB_CURRENT_CAL_DATABASE_VERSION")->Values().at(1); }
};

TEST(BackwardsCompatibility, StampsTheVersionBeforeTheDelegateCarriesOverAndAnswersForIt) {
  for (bool answer : {true, false}) {
    OnFreshThread([&] {
      ProviderScene scene;
      CarryOver carry;
      carry.source = std::make_shared<simhost::SimProvider>();
      Variant stamp_seen_by_delegate;
      scene.delegate_owner->OnCall([&](const std::string&) { stamp_seen_by_delegate = carry.Stamp(); });
      scene.delegate_owner->SetBackwardsCompatibilityAnswer(answer);

      EXPECT_EQ(carry.Run(scene), answer);

      EXPECT_EQ(stamp_seen_by_delegate, Variant(int32_t{47}));  // a number, not the text "0047"
      ASSERT_EQ(scene.delegate_owner->Log().Count("BackwardsCompatibility"), 1);
      // The caller's own variables, its tier included (not the stored one), go through.
      std::vector<const void*> expected = {&carry.tier, &carry.source_key, &carry.source, &carry.dest_key, &carry.dest};
      EXPECT_EQ(scene.delegate_owner->LastReferences(), expected);
    });
  }
}

TEST(BackwardsCompatibility, AKeyNotEndingInANumberStopsBeforeTheDelegate) {
  OnFreshThread([] {
    ProviderScene scene;
    CarryOver carry;
    carry.dest_key = "VX4820 Standard Rx.00x7";
    Error error = RaisedBy([&] { carry.Run(scene); });
    EXPECT_EQ(error.Number(), 13);
    EXPECT_EQ(error.Description(), SourceLine("IproviderOwner_BackwardsCompatibility") +
                                       SourceLine("BackwardsCompatibility") + "Type mismatch");
    EXPECT_TRUE(scene.delegate_owner->Log().Calls().empty());
  });
}

TEST(BackwardsCompatibility, ReportedFailureIsNotAnsweredAsSuccess) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.Arm();
    CarryOver carry;
    carry.dest = std::make_shared<simhost::SimProvider>();  // lacks the version field
    EXPECT_FALSE(carry.Run(scene));
    ASSERT_EQ(scene.boxes->Boxes().size(), 1u);
    EXPECT_EQ(scene.boxes->Boxes()[0].text.rfind(SourceLine("BackwardsCompatibility"), 0), 0u);
    EXPECT_EQ(scene.terminator->calls, 1);
    EXPECT_TRUE(scene.delegate_owner->Log().Calls().empty());
  });
}

// Selection lists: the band list comes from the delegate after "Undefined".
struct ComboCall {
  std::shared_ptr<Iprovider> provider;
  std::string uiid = "Band";
  int32_t record = 1;
  std::shared_ptr<simhost::SimXArrayDB> list_sim = std::make_shared<simhost::SimXArrayDB>();
  std::shared_ptr<XArrayDBObject> list = list_sim;

  explicit ComboCall(ProviderScene& scene) : provider(scene.provider) {}
  bool Run(ProviderScene& scene) { return scene.owner->GetComboItemsByUIID(provider, uiid, record, list); }
  std::vector<Variant> Items() const {
    std::vector<Variant> items;
    for (int32_t row = 0; row <= list_sim->UpperBound(1); ++row) items.push_back(list_sim->Value(row, 0));
    return items;
  }
};

TEST(GetComboItemsByUIID, ListsWithoutBandsHoldOnlyUndefined) {
  struct Case {
    int16_t list_id;
    bool answer;
  };
  for (Case c : {Case{5, false}, Case{-1, true}, Case{0, false}}) {
    OnFreshThread([&] {
      ProviderScene scene;
      scene.provider->SetListID("Band", c.list_id);
      ComboCall call(scene);
      call.list_sim->ReDim(0, 3, 0, 1);  // whatever the list held before
      EXPECT_EQ(call.Run(scene), c.answer) << c.list_id;
      EXPECT_EQ(call.Items(), std::vector<Variant>{Variant("Undefined")});
      EXPECT_EQ(call.list_sim->UpperBound(2), 0);
      EXPECT_EQ(scene.provider->Log().CallsTo("GetListID").at(0).args, std::vector<std::string>{"Band"});
      EXPECT_TRUE(scene.delegate_owner->Log().Calls().empty());
    });
  }
}

TEST(GetComboItemsByUIID, BandListAddsUndefinedThenHandsTheSameListToTheDelegate) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.provider->SetListID("Band", 831);
    scene.delegate_owner->SetBands({"136-174 MHz", "403-470 MHz"});
    ComboCall call(scene);
    EXPECT_TRUE(call.Run(scene));
    EXPECT_EQ(call.Items(),
              (std::vector<Variant>{Variant("Undefined"), Variant("136-174 MHz"), Variant("403-470 MHz")}));
    ASSERT_EQ(scene.delegate_owner->Log().Count("GetBands"), 1);
    EXPECT_EQ(scene.delegate_owner->LastReferences(), std::vector<const void*>{&call.list});
  });
}

TEST(GetComboItemsByUIID, BandListGoesThroughTheStoredTiersProviderOwner) {
  OnFreshThread([] {
    ProviderScene scene;
    // Serving another tier as its delegate: that tier's provider owner fills the list.
    auto other_owner = std::make_shared<simhost::SimDelegateProviderOwner>();
    auto other_tier = std::make_shared<simhost::SimDelegateTier>();
    other_tier->SetProviderOwner(other_owner);
    scene.owner->Initialize(other_tier);
    scene.provider->SetListID("Band", 831);
    ComboCall call(scene);
    EXPECT_TRUE(call.Run(scene));
    EXPECT_EQ(other_owner->Log().Count("GetBands"), 1);
    EXPECT_EQ(scene.delegate_owner->Log().Count("GetBands"), 0);
  });
}

TEST(GetComboItemsByUIID, NoListStillAsksForBandsAndTheErrorCarriesEveryLine) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.provider->SetListID("Band", 831);
    ComboCall call(scene);
    call.list = nullptr;
    Error error = RaisedBy([&] { call.Run(scene); });
    EXPECT_EQ(error.Number(), 91);
    EXPECT_EQ(error.Description(), SourceLine("IproviderOwner_GetComboItemsByUIID") +
                                       SourceLine("GetComboItemsByUIID") + SourceLine("IproviderOwner_GetBands") +
                                       "Object variable or With block variable not set");
    ASSERT_EQ(scene.delegate_owner->Log().CallsTo("GetBands").size(), 1u);
    EXPECT_EQ(scene.delegate_owner->Log().CallsTo("GetBands")[0].args, std::vector<std::string>{"none"});
  });
}

TEST(GetComboItemsByUIID, BandListWithoutAStoredTierIsReportedAndAnsweredFalse) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.Arm();
    scene.owner->Initialize(nullptr);
    scene.provider->SetListID("Band", 831);
    ComboCall call(scene);
    EXPECT_FALSE(call.Run(scene));
    ASSERT_EQ(scene.boxes->Boxes().size(), 1u);
    EXPECT_EQ(scene.boxes->Boxes()[0].text,
              SourceLine("GetComboItemsByUIID") + "Object variable or With block variable not set");
    EXPECT_EQ(call.Items(), std::vector<Variant>{Variant("Undefined")});
  });
}

TEST(Transforms, TouchOnlyTheDerivedFieldAndAnswerFalse) {
  OnFreshThread([] {
    ProviderScene scene;
    auto field = scene.provider->AddField("RxFreqDisplay");
    field->Value(1, Variant("150.5"));
    std::shared_ptr<Iprovider> provider = scene.provider;
    std::string id = "RxFreqDisplay";
    int32_t record = 1;
    EXPECT_FALSE(scene.owner->TransformToUI(provider, id, record));
    EXPECT_FALSE(scene.owner->TransformFromUI(provider, id, record));
    EXPECT_EQ(field->StateReads(), 2);
    EXPECT_EQ(field->Values(), (std::map<int32_t, Variant>{{1, Variant("150.5")}}));
  });
}

TEST(Transforms, AMissingDerivedFieldIsRaisedAgainEvenWhenReportingIsArmed) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.Arm();
    std::shared_ptr<Iprovider> provider = scene.provider;
    std::string id = "NoSuchField";
    int32_t record = 1;
    Error to_ui = RaisedBy([&] { scene.owner->TransformToUI(provider, id, record); });
    EXPECT_EQ(
        to_ui.Description().rfind(SourceLine("IproviderOwner_TransformToUI") + SourceLine("K5500TransformToUI"), 0),
        0u);
    Error from_ui = RaisedBy([&] { scene.owner->TransformFromUI(provider, id, record); });
    EXPECT_EQ(from_ui.Description().rfind(
                  SourceLine("IproviderOwner_TransformFromUI") + SourceLine("K5500TransformFromUI"), 0),
              0u);
    EXPECT_TRUE(scene.boxes->Boxes().empty());
    EXPECT_EQ(scene.terminator->calls, 0);
  });
}

TEST(PostDeleteProcessing, OnlyADeletedScanGroupNotifiesTheHost) {
  struct Case {
    std::string uiid;
    int notifications;
  };
  for (const Case& c : {Case{"ScanGroupNumber", 1}, Case{"scangroupnumber", 0}, Case{"ChannelNumber", 0}}) {
    OnFreshThread([&] {
      ProviderScene scene;
      std::shared_ptr<Iprovider> provider = scene.provider;
      EXPECT_TRUE(scene.owner->PostDeleteProcessing(provider, c.uiid, 4)) << c.uiid;
      auto notified = scene.messenger->Log().CallsTo("NotifyField");
      ASSERT_EQ(static_cast<int>(notified.size()), c.notifications) << c.uiid;
      if (c.notifications) {
        EXPECT_EQ(notified[0].args, std::vector<std::string>{"FilteredScanGroupChannelMemberID"});
      }
    });
  }
}

TEST(PostDeleteProcessing, ADeletedScanGroupWithoutAStoredTierIsNotAnsweredAsSuccess) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.Arm();
    scene.owner->Initialize(nullptr);
    std::shared_ptr<Iprovider> provider = scene.provider;
    EXPECT_TRUE(scene.owner->PostDeleteProcessing(provider, "ChannelNumber", 1));  // needs no tier
    EXPECT_FALSE(scene.owner->PostDeleteProcessing(provider, "ScanGroupNumber", 1));
    ASSERT_EQ(scene.boxes->Boxes().size(), 1u);
    EXPECT_EQ(scene.boxes->Boxes()[0].text,
              SourceLine("RecordDeleted") + "Object variable or With block variable not set");
  });
}

TEST(ReadAndWriteHooks, GoToTheDelegateWithTheCallersOwnVariables) {
  OnFreshThread([] {
    ProviderScene scene;
    std::shared_ptr<Iprovider> provider = scene.provider;
    std::string tier_name = "VX4820CAL";
    int32_t total = 3;
    scene.owner->PostReadProcessing(provider, tier_name);
    EXPECT_EQ(scene.delegate_owner->LastReferences(), (std::vector<const void*>{&provider, &tier_name}));
    scene.owner->PreWriteProcessing(provider, tier_name, total);
    EXPECT_EQ(scene.delegate_owner->LastReferences(), (std::vector<const void*>{&provider, &tier_name, &total}));
    auto calls = scene.delegate_owner->Log().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].operation, "PostReadProcessing");
    EXPECT_EQ(calls[1].args, (std::vector<std::string>{"object", "VX4820CAL", "3"}));
  });
}

TEST(ReadAndWriteHooks, WithoutADelegateTierTheyReportUnderTheirOwnNames) {
  OnFreshThread([] {
    ProviderScene scene;
    scene.Arm();
    scene.RemoveDelegate();
    std::shared_ptr<Iprovider> provider = scene.provider;
    std::string tier_name = "VX4820CAL";
    int32_t total = 1;
    scene.owner->PostReadProcessing(provider, tier_name);
    scene.owner->PreWriteProcessing(provider, tier_name, total);
    ASSERT_EQ(scene.boxes->Boxes().size(), 2u);
    EXPECT_EQ(scene.boxes->Boxes()[0].text,
              SourceLine("IproviderOwner_PostReadProcessing") + "Object variable or With block variable not set");
    EXPECT_EQ(scene.boxes->Boxes()[1].text.rfind(SourceLine("IproviderOwner_PreWriteProcessing"), 0), 0u);
    EXPECT_EQ(scene.terminator->calls, 2);
  });
}

TEST(ProviderOwnerLifetime, KeepsOnlyTheLastTierAndReleasesItWhenDestroyed) {
  OnFreshThread([] {
    std::shared_ptr<IproviderOwner> owner = NewProviderOwner();
    auto first = std::make_shared<simhost::SimDelegateTier>();
    auto second = std::make_shared<simhost::SimDelegateTier>();
    std::weak_ptr<Itier> first_seen = first, second_seen = second;
    owner->Initialize(std::move(first));
    EXPECT_FALSE(first_seen.expired());
    owner->Initialize(std::move(second));
    EXPECT_TRUE(first_seen.expired());
    EXPECT_FALSE(second_seen.expired());
    owner.reset();
    EXPECT_TRUE(second_seen.expired());
  });
}

}  // namespace
}  // namespace vx4820cal
