// The tier object on its own: creation, the plain properties, the event, and an
// Initialize that stops early because the parameters cannot be loaded.
#include <gtest/gtest.h>

#include "common/error_convention.h"
#include "common/project_globals.h"
#include "host/message_box_recorder.h"
#include "host/scripted_messenger.h"
#include "support/test_support.h"
#include "vx4820cal/component.h"
#include "vx4820cal/interfaces.h"
#include "vx4820cal/tier_events.h"

namespace vx4820cal {
namespace {

using test_support::OnFreshThread;

class EventCounter : public IclsVX4820CALTierEvents {
 public:
  void TerminateApplication() override { ++count; }
  int count = 0;
};

std::shared_ptr<Itier> NewTier() { return std::dynamic_pointer_cast<Itier>(CreateObject("clsVX4820CALTier")); }

TEST(TierCreation, ByClassNameOnly) {
  EXPECT_NE(NewTier(), nullptr);
  EXPECT_NE(std::dynamic_pointer_cast<Itier>(CreateObject("CLSVX4820CALTIER")), nullptr);
  try {
    CreateObject("clsSchema");
    ADD_FAILURE() << "an internal class was created by name";
  } catch (const Error& error) {
    EXPECT_EQ(error.Number(), err::kCannotCreateObject);
    EXPECT_NE(error.Description().find("clsSchema"), std::string::npos);
  }
}

TEST(TierCreation, FreshTierAnswersEmptyAndItsCurrentProvInfoFailsToTheCaller) {
  OnFreshThread([] {
    auto tier = NewTier();
    EXPECT_EQ(tier->TierName(), "");
    EXPECT_EQ(tier->TierKey(), "");
    EXPECT_EQ(tier->Messenger(), nullptr);
    EXPECT_EQ(tier->ProviderOwner(), nullptr);
    EXPECT_EQ(tier->Schema(), nullptr);
    EXPECT_EQ(tier->UserInterface(), nullptr);
    EXPECT_EQ(tier->Validator(), nullptr);
    EXPECT_EQ(std::dynamic_pointer_cast<Object>(tier->Terminator()), std::dynamic_pointer_cast<Object>(tier));
    try {
      tier->CurrentProvInfo();
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_EQ(error.Number(), err::kObjectNotSet);
      EXPECT_EQ(error.Description().rfind("VX4820CAL: Itier_CurrentProvInfo\r\n", 0), 0u);
    }
  });
}

TEST(TierProperties, TierKeyComparesExactly) {
  auto tier = NewTier();
  tier->TierKey("VX4820CAL.0001");
  EXPECT_EQ(tier->TierKey(), "VX4820CAL.0001");
  tier->TierKey("vx4820cal.0001");
  EXPECT_EQ(tier->TierKey(), "vx4820cal.0001");
  tier->TierName("Name");
  EXPECT_EQ(tier->TierName(), "Name");
}

TEST(TierEvents, TerminateApplicationFiresOncePerSinkUntilUnadvised) {
  auto tier = NewTier();
  auto source = std::dynamic_pointer_cast<ItierEventSource>(tier);
  ASSERT_NE(source, nullptr);
  auto sink = std::make_shared<EventCounter>();
  int32_t cookie = source->Advise(sink);
  tier->Terminator()->TerminateApplication();
  EXPECT_EQ(sink->count, 1);
  source->Unadvise(cookie);
  tier->Terminator()->TerminateApplication();
  EXPECT_EQ(sink->count, 1);
}

TEST(TierCalParameters, ReplacesTheThreadsStore) {
  OnFreshThread([] {
    auto tier = NewTier();
    std::shared_ptr<IcalParameters> store;  // none is a valid store to hand over
    std::dynamic_pointer_cast<IcalParamOwner>(tier)->CalParameters(store);
    EXPECT_EQ(gobjCalParameters, nullptr);
  });
}

TEST(TierInitialize, StopsWhenTheParametersDoNotLoadAndKeepsWhatItSet) {
  test_support::TempDir empty_folder;
  OnFreshThread([&] {
    SetThreadComponentFolder(empty_folder.Path());
    auto boxes = std::make_shared<simhost::MessageBoxRecorder>();
    InstallMessageBoxService(boxes);
    auto tier = NewTier();
    auto sink = std::make_shared<EventCounter>();
    std::dynamic_pointer_cast<ItierEventSource>(tier)->Advise(sink);
    auto messenger = std::make_shared<simhost::ScriptedMessenger>();

    EXPECT_FALSE(tier->Initialize("VX4820CAL", nullptr, messenger, nullptr));

    EXPECT_EQ(tier->TierName(), "VX4820CAL");
    EXPECT_EQ(tier->Messenger(), messenger);
    EXPECT_TRUE(ErrorReportingArmed());
    EXPECT_EQ(tier->ProviderOwner(), nullptr);
    EXPECT_EQ(tier->Schema(), nullptr);
    EXPECT_EQ(tier->UserInterface(), nullptr);
    EXPECT_EQ(tier->Validator(), nullptr);
    EXPECT_EQ(messenger->Log().Count("GetTierByName"), 0);
    ASSERT_EQ(boxes->Boxes().size(), 1u);
    EXPECT_EQ(boxes->Boxes()[0].title, "Programming Application");
    EXPECT_EQ(sink->count, 1);
    InstallMessageBoxService(nullptr);
    std::dynamic_pointer_cast<ItierEventSource>(tier)->Unadvise(1);
  });
}

}  // namespace
}  // namespace vx4820cal
