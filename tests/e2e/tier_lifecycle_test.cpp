// The tier's life cycle as a host sees it through dlopen: what Initialize leaves set
// up, the provider-info cache behind CurrentProvInfo, what Terminate releases and
// what it keeps, and the validator's guard when the host gives no validator.
#include <gtest/gtest.h>

#include "e2e/e2e_fixture.h"
#include "host/host_queries.h"

namespace vx4820cal {
namespace {

using simhost::HostSession;
using simhost::SimHost;

// The host's schema module with a hook the component's CreateSchemaFile call runs
// first: Initialize calls it between its two provider-owner initialisations.
class HookedSchemaModule : public IlateBound {
 public:
  HookedSchemaModule(std::shared_ptr<simhost::SimSchemaModule> inner, std::function<void()> hook)
      : inner_(std::move(inner)), hook_(std::move(hook)) {}
  Variant Invoke(const std::string& strMethod, std::vector<Variant>& args) override {
    hook_();
    return inner_->Invoke(strMethod, args);
  }

 private:
  std::shared_ptr<simhost::SimSchemaModule> inner_;
  std::function<void()> hook_;
};

// The band the provider owner reads from the current provider of the tier it holds.
std::string BandAskedFor(SimHost& host, IproviderOwner& owner) {
  simhost::AskCurrentFrequencyRanges(owner);
  std::vector<simhost::HostCall> asked = host.delegate_owner->Log().CallsTo("GetFrequencyRanges");
  return asked.empty() ? "<not asked>" : asked.back().args.at(0);
}

TEST(TierLifecycle, InitializeSetsUpTheProviderOwnerTwiceAndHandsTheParametersOverTwice) {
  test_support::InstalledComponent component;
  test_support::InSession(component.Setup(), [](HostSession& session) {
    SimHost& host = session.Host();
    host.delegate_owner->SetFrequencyRanges(3, {1, 2, 3, 4, "our tier"});
    host.delegate_owner->SetFrequencyRanges(7, {5, 6, 7, 8, "decoy"});
    host.tier_data->ProviderFor("VX4820CAL.0003")->SetValue("Band_r5k", 1, Variant(int32_t{3}));
    // A tier the provider owner is pointed at in between; its current provider is on band 7.
    auto decoy = std::make_shared<simhost::SimDelegateTier>();
    auto decoy_provider = std::make_shared<simhost::SimProvider>();
    decoy_provider->SetValue("Band_r5k", 1, Variant(int32_t{7}));
    decoy->SetCurrentProvider(decoy_provider);

    std::string band_between, band_of_decoy;
    int parameters_between = -1;
    auto hooked = std::make_shared<HookedSchemaModule>(host.schema_module, [&] {
      std::shared_ptr<IproviderOwner> owner = session.Tier()->ProviderOwner();
      band_between = BandAskedFor(host, *owner);
      parameters_between = host.delegate->Log().Count("CalParameters");
      owner->Initialize(decoy);
      band_of_decoy = BandAskedFor(host, *owner);
    });
    session.CreateTier();
    ASSERT_TRUE(session.Initialize(hooked));
    EXPECT_EQ(band_between, "3");  // the first initialisation already gave it this tier
    EXPECT_EQ(band_of_decoy, "7");
    EXPECT_EQ(parameters_between, 1);
    EXPECT_EQ(BandAskedFor(host, *session.Tier()->ProviderOwner()), "3");  // the second one again
    EXPECT_EQ(host.delegate->Log().Count("CalParameters"), 2);
    EXPECT_EQ(host.delegate->Log().Count("InitializeAsDelegate"), 1);
  });
}

TEST(TierLifecycle, TheTierKeyIsTheNameAndTheVersionTheHostFilled) {
  const struct {
    const char* version_text;
    const char* key;
  } cases[] = {{"0003", "VX4820CAL.0003"}, {" 7 ", "VX4820CAL. 7 "}, {"", ""}};
  test_support::InstalledComponent component;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version_text);
    test_support::InSession(component.Setup(), [&](HostSession& session) {
      session.Host().tier_data->SetVersionText(c.version_text);
      session.CreateTier();
      session.Initialize();
      EXPECT_EQ(session.Tier()->TierKey(), c.key);
    });
  }
}

TEST(TierLifecycle, CurrentProvInfoIsCachedUntilTheKeyChangesInAnyWay) {
  test_support::InstalledComponent component;
  test_support::InSession(component.Setup(), [](HostSession& session) {
    ASSERT_TRUE(test_support::StartSession(session));
    Itier& tier = *session.Tier();
    simhost::ProvInfoScenario& tier_data = *session.Host().tier_data;
    int reads_before = tier_data.VersionsReads();

    std::shared_ptr<IprovInfo> first = tier.CurrentProvInfo();
    ASSERT_TRUE(first);
    int reads_for_one_list = tier_data.VersionsReads() - reads_before;
    EXPECT_EQ(reads_for_one_list, 4);  // one Versions read per model record
    EXPECT_EQ(tier.CurrentProvInfo(), first);
    tier.TierKey("VX4820CAL.0003");  // the same key keeps the cache
    EXPECT_EQ(tier.CurrentProvInfo(), first);
    EXPECT_EQ(tier_data.VersionsReads() - reads_before, reads_for_one_list);

    tier.TierKey("vx4820cal.0003");  // differs only in case: asked afresh
    std::shared_ptr<IprovInfo> again = tier.CurrentProvInfo();
    ASSERT_TRUE(again);
    EXPECT_NE(again, first);
    EXPECT_EQ(again->Key(), "VX4820CAL.0003");
    EXPECT_EQ(tier_data.VersionsReads() - reads_before, 2 * reads_for_one_list);
  });
}

TEST(TierLifecycle, TerminateReleasesTheOwnedObjectsAndKeepsNameKeyAndMessenger) {
  test_support::InstalledComponent component;
  test_support::InSession(component.Setup(), [](HostSession& session) {
    ASSERT_TRUE(test_support::StartSession(session));
    std::weak_ptr<IproviderOwner> owner = session.Objects().provider_owner;
    std::weak_ptr<ItierValidator> validator = session.Objects().validator;
    session.Terminate();
    Itier& tier = *session.Tier();
    EXPECT_EQ(tier.ProviderOwner(), nullptr);
    EXPECT_EQ(tier.Schema(), nullptr);
    EXPECT_EQ(tier.UserInterface(), nullptr);
    EXPECT_EQ(tier.Validator(), nullptr);
    EXPECT_TRUE(owner.expired());
    EXPECT_TRUE(validator.expired());
    EXPECT_EQ(session.Host().tier_data->LiveRecords(), 0);
    EXPECT_EQ(tier.TierName(), "VX4820CAL");
    EXPECT_EQ(tier.TierKey(), "VX4820CAL.0003");
    EXPECT_EQ(tier.Messenger(), session.Host().messenger);
    EXPECT_TRUE(test_support::BoxTexts(session).empty());
  });
}

TEST(TierLifecycle, WithoutTheHostsValidatorEveryGuardedQuestionIsRefusedWithOneBox) {
  test_support::InstalledComponent component;
  test_support::InSession(component.Setup(), [](HostSession& session) {
    SimHost& host = session.Host();
    host.validator = nullptr;
    ASSERT_TRUE(test_support::StartSession(session));
    int32_t item = 1, count = 1;
    EXPECT_FALSE(session.Objects().validator->AddRecord(item, count));
    std::vector<std::string> boxes = test_support::BoxTexts(session);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0],
              "[Programming Application] VX4820CAL: ItierValidator_AddRecord\r\nItierValidator not initialised. "
              "Please set object reference to Validator before calling any ItierValidator methods");
    EXPECT_EQ(session.TerminationRequests(), 1);
    EXPECT_TRUE(host.delegate_validator->Log().Calls().empty());
    // The confirmation needs no validator reference.
    host.messenger->ScriptMessageBoxAnswers({6});
    EXPECT_TRUE(session.Objects().validator->RunPreProgramValidation());
  });
}

}  // namespace
}  // namespace vx4820cal
