#pragma once
// One whole host session, as the host application runs it: load the component with
// dlopen, register the host's classes, create the tier by class name, subscribe to
// its TerminateApplication event, initialise it with the host's validator, messenger
// and schema module, fetch the four objects it owns, and at the end terminate and
// release everything, breaking every cycle between the host's objects and the tier.
// Only the public headers and the ComponentApi are used: the component is not linked.
#include <filesystem>
#include <memory>
#include <string>

#include "host/loaded_component.h"
#include "host/message_box_recorder.h"
#include "host/session_messenger.h"
#include "host/sim_delegate_provider_owner.h"
#include "host/sim_delegate_tier.h"
#include "host/sim_delegate_validator.h"
#include "host/sim_prov_info.h"
#include "host/sim_schema_module.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::simhost {

inline constexpr const char* kTierClassName = "clsVX4820CALTier";
inline constexpr const char* kTierName = "VX4820CAL";
inline constexpr const char* kDelegateTierName = "LR2930 Cal";
// The version text the host's provider-info records give the tier.
inline constexpr const char* kHostVersionText = "0003";

// The host's tier versions of the four models, each model its own tier; the standard
// receiver's tier bears the tier's own name, so the tier key names a known version.
void DescribeProduct(ProvInfoScenario& tier_data);

struct HostSessionSetup {
  std::filesystem::path library;
  // Where the component reads its data files; empty: the library's own folder.
  std::filesystem::path data_folder;
  // Where the component's message boxes go; none: a recorder the session keeps.
  std::shared_ptr<MessageBoxService> boxes;
  // The messenger's own boxes go to the same service instead of its script.
  bool messenger_boxes_to_service = false;
};

// The host's objects. Whoever runs the session scripts them before Initialize and
// reads their logs afterwards.
struct SimHost {
  std::shared_ptr<SessionMessenger> messenger = std::make_shared<SessionMessenger>();
  std::shared_ptr<Ivalidator> validator = std::make_shared<SimHostValidator>();  // none: the host gives none
  std::shared_ptr<SimSchemaModule> schema_module = std::make_shared<SimSchemaModule>();
  std::shared_ptr<ProvInfoScenario> tier_data = std::make_shared<ProvInfoScenario>();
  std::shared_ptr<SimDelegateTier> delegate = std::make_shared<SimDelegateTier>();
  std::shared_ptr<SimDelegateProviderOwner> delegate_owner = std::make_shared<SimDelegateProviderOwner>();
  std::shared_ptr<SimDelegateValidator> delegate_validator = std::make_shared<SimDelegateValidator>();
};

// The four objects the host fetches from an initialised tier.
struct TierObjects {
  std::shared_ptr<IproviderOwner> provider_owner;
  std::shared_ptr<ItierSchema> schema;
  std::shared_ptr<ItierUserInterface> user_interface;
  std::shared_ptr<ItierValidator> validator;
};

class HostSession {
 public:
  // Loads the library (std::runtime_error when it cannot), registers the host's
  // classes, installs the message-box service and builds the delegate tier that the
  // messenger hands out as "LR2930 Cal".
  explicit HostSession(HostSessionSetup setup);
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  const ComponentApi& Api() const { return component_.Api(); }
  const std::filesystem::path& Library() const { return component_.Library(); }
  SimHost& Host() { return host_; }
  // The component's boxes when the session records them, else none.
  const std::shared_ptr<MessageBoxRecorder>& RecordedBoxes() const { return recorder_; }

  // The steps, in the order a host takes them.
  std::shared_ptr<Itier> CreateTier();
  bool Initialize();  // with the host's schema module
  bool Initialize(ObjectRef schema_module);
  const TierObjects& FetchObjects();
  // The tier's Terminate; the host lets go of the objects it fetched.
  void Terminate();
  // Releases everything; a tier that still owns objects is terminated first. Safe to
  // call twice; the destructor calls it.
  void End();

  const std::shared_ptr<Itier>& Tier() const { return tier_; }
  const TierObjects& Objects() const { return objects_; }
  // TerminateApplication events the tier raised to the host.
  int TerminationRequests() const;

 private:
  class TerminationSink;
  bool TierOwnsObjects() const;
  void ReleaseTier();
  void ReleaseHostObjects();

  LoadedComponent component_;  // first: the library outlives every object of the session
  SimHost host_;
  std::shared_ptr<MessageBoxRecorder> recorder_;
  std::shared_ptr<MessageBoxService> boxes_;
  std::shared_ptr<TerminationSink> sink_;
  std::shared_ptr<Itier> tier_;
  TierObjects objects_;
  int32_t sink_cookie_ = 0;
  bool folder_set_ = false;
  bool terminated_ = false;
  bool ended_ = false;
};

}  // namespace vx4820cal::simhost
