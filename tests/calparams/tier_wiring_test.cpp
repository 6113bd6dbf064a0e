// The tier creates its parameter store, loads "PARAMETERS" from the component folder
// and hands the store to its delegate tier.
#include <gtest/gtest.h>

#include "common/project_globals.h"
#include "fixtures/parameters_fixture.h"
#include "host/message_box_recorder.h"
#include "host/scripted_messenger.h"
#include "host/sim_delegate_tier.h"
#include "tier/vx4820cal_tier.h"

namespace vx4820cal {
namespace {

using test_support::OnFreshThread;

struct Host {
  std::shared_ptr<simhost::MessageBoxRecorder> boxes = std::make_shared<simhost::MessageBoxRecorder>();
  std::shared_ptr<simhost::ScriptedMessenger> messenger = std::make_shared<simhost::ScriptedMessenger>();
  std::shared_ptr<simhost::SimDelegateTier> delegate = std::make_shared<simhost::SimDelegateTier>();
  std::shared_ptr<clsVX4820CALTier> tier = std::make_shared<clsVX4820CALTier>();

  Host() {
    InstallMessageBoxService(boxes);
    messenger->AddTier("LR2930 Cal", delegate);
  }
  ~Host() {
    // Terminate breaks the tier's cycles with the objects it owns.
    tier->Terminate();
    messenger->ClearTiers();
    delegate->ReleaseAll();
    InstallMessageBoxService(nullptr);
  }
  bool Initialize() { return tier->Initialize("VX4820CAL", nullptr, messenger, nullptr); }
};

TEST(TierWiring, InitializeLoadsTheParametersAndHandsThemToTheDelegate) {
  OnFreshThread([] {
    test_support::ParametersFolder folder;
    folder.WriteSource(test_support::kWorkedExample);
    Host host;
    host.Initialize();
    auto store = std::dynamic_pointer_cast<clsCalibrationParameters>(gobjCalParameters);
    ASSERT_TRUE(store);
    EXPECT_EQ(store->Records().size(), 3u);
    EXPECT_EQ(host.delegate->ReceivedCalParameters(), gobjCalParameters);
    EXPECT_TRUE(std::filesystem::exists(folder.WorkingCopy()));
    // The tier and the objects it made hold each other until it terminates.
    host.tier->Terminate();
  });
}

TEST(TierWiring, AFailedLoadEndsInitializeBeforeTheDelegateIsAsked) {
  OnFreshThread([] {
    test_support::ParametersFolder folder;
    Host host;
    EXPECT_FALSE(host.Initialize());
    ASSERT_EQ(host.boxes->Boxes().size(), 1u);
    EXPECT_EQ(host.boxes->Boxes()[0].text, "VX4820CAL: LoadFile\r\nFile not found");
    EXPECT_EQ(host.messenger->Log().Count("GetTierByName"), 0);
    EXPECT_EQ(host.tier->TierName(), "VX4820CAL");
  });
}

TEST(TierWiring, HostCreatesAnEmptyStoreByClassName) {
  test_support::ParametersFolder folder;
  folder.WriteSource(test_support::kWorkedExample);
  auto store = std::dynamic_pointer_cast<IcalParameters>(CreateObject("clsCalibrationParameters"));
  ASSERT_TRUE(store);
  EXPECT_EQ(test_support::Entries(store->GetTable("H5", "LR2930 Cal", 0, "BandLimits", "Default")),
            test_support::Lines{});
  ASSERT_TRUE(store->LoadFile("PARAMETERS"));
  EXPECT_EQ(test_support::Entries(store->GetTable("H5", "LR2930 Cal", 0, "BandLimits", "Default")),
            (test_support::Lines{"BandType=1", "TCXO=14.4"}));
}

}  // namespace
}  // namespace vx4820cal
