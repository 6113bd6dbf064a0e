#pragma once
// A host around one provider owner: the delegate tier "LR2930 Cal" with its scripted
// provider owner set on this thread, a tier that the owner serves (its messenger and
// current provider), and recorded message boxes. Build it inside OnFreshThread.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/error_convention.h"
#include "common/project_globals.h"
#include "host/message_box_recorder.h"
#include "host/scripted_messenger.h"
#include "host/sim_delegate_provider_owner.h"
#include "host/sim_delegate_tier.h"
#include "host/sim_provider.h"
#include "provider/provider_owner.h"
#include "support/test_support.h"
#include "tier/local_tier_support.h"
#include "vx4820cal/component.h"

namespace vx4820cal::test_support {

struct ProviderScene {
  std::shared_ptr<simhost::SimDelegateProviderOwner> delegate_owner =
      std::make_shared<simhost::SimDelegateProviderOwner>();
  std::shared_ptr<simhost::SimDelegateTier> delegate_tier = std::make_shared<simhost::SimDelegateTier>();
  // Stands in for the tier that owns the provider owner under test.
  std::shared_ptr<simhost::SimDelegateTier> owning_tier = std::make_shared<simhost::SimDelegateTier>();
  std::shared_ptr<simhost::ScriptedMessenger> messenger = std::make_shared<simhost::ScriptedMessenger>();
  std::shared_ptr<simhost::SimProvider> provider = std::make_shared<simhost::SimProvider>();
  std::shared_ptr<simhost::MessageBoxRecorder> boxes = std::make_shared<simhost::MessageBoxRecorder>();
  std::shared_ptr<CountingTerminator> terminator = std::make_shared<CountingTerminator>();
  std::shared_ptr<IproviderOwner> owner = NewProviderOwner();

  ProviderScene() {
    delegate_tier->SetProviderOwner(delegate_owner);
    gobjLocalTierSupport = std::make_shared<clsLocalTierSupport>();
    gobjLocalTierSupport->DelegateTier(delegate_tier);
    owning_tier->SetProviderOwner(owner);
    owning_tier->SetMessenger(messenger);
    owning_tier->SetCurrentProvider(provider);
    owner->Initialize(owning_tier);
    InstallMessageBoxService(boxes);
  }
  ~ProviderScene() {
    owning_tier->ReleaseAll();
    delegate_tier->ReleaseAll();
    gobjLocalTierSupport.reset();
    InstallMessageBoxService(nullptr);
  }
  ProviderScene(const ProviderScene&) = delete;
  ProviderScene& operator=(const ProviderScene&) = delete;

  // From here on errors are shown in a box and the terminator is asked to end.
  void Arm() { InitRaiseError(terminator); }
  void RemoveDelegate() { gobjLocalTierSupport->DelegateTier(nullptr); }
};

}  // namespace vx4820cal::test_support
