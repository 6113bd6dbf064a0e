#include "host/host_session.h"

#include <stdexcept>
#include <system_error>

#include "host/sim_xarraydb.h"
#include "vx4820cal/tier_events.h"

namespace vx4820cal::simhost {
namespace {

bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}

}  // namespace

void DescribeProduct(ProvInfoScenario& tier_data) {
  tier_data.AddChain("VX4820 Standard Rx", kTierName, {"0001", "0002", "0003"});
  tier_data.AddChain("VX4820 Trigger Base Rx", "VX4820CAL TB", {"0001", "0002"});
  tier_data.AddChain("VX4820 Transmitter", "VX4820CAL TX", {"0001", "0002", "0003"});
  tier_data.AddChain("VX4820 High Power Tx", "VX4820CAL HP", {"0002", "0003"});
  tier_data.SetVersionText(kHostVersionText);
}

class HostSession::TerminationSink : public IclsVX4820CALTierEvents {
 public:
  void TerminateApplication() override { ++requests; }
  int requests = 0;
};

HostSession::HostSession(HostSessionSetup setup)
    : component_(setup.library), boxes_(std::move(setup.boxes)), sink_(std::make_shared<TerminationSink>()) {
  if (!boxes_) boxes_ = recorder_ = std::make_shared<MessageBoxRecorder>();
  const ComponentApi& api = Api();
  api.InstallMessageBoxService(boxes_);
  if (setup.messenger_boxes_to_service) host_.messenger->ShowBoxesThrough(boxes_);
  if (!setup.data_folder.empty() && !SameFolder(setup.data_folder, api.ComponentFolder())) {
    api.SetThreadComponentFolder(setup.data_folder);
    folder_set_ = true;
  }
  DescribeProduct(*host_.tier_data);
  RegisterSimProvInfoClass(api, host_.tier_data);
  RegisterSimXArrayDBClass(api);
  host_.delegate->SetProviderOwner(host_.delegate_owner);
  host_.delegate->SetValidator(host_.delegate_validator);
  host_.delegate->SetMessenger(host_.messenger);
  host_.messenger->AddTier(kDelegateTierName, host_.delegate);
}

HostSession::~HostSession() {
  try {
    End();
  } catch (...) {
    // Ending must not leave a destructor; End has released what it reached.
  }
}

std::shared_ptr<Itier> HostSession::CreateTier() {
  tier_ = std::dynamic_pointer_cast<Itier>(Api().CreateObject(kTierClassName));
  if (!tier_) throw std::runtime_error(std::string(kTierClassName) + " is not a tier");
  if (auto source = std::dynamic_pointer_cast<ItierEventSource>(tier_)) sink_cookie_ = source->Advise(sink_);
  return tier_;
}

bool HostSession::Initialize() { return Initialize(host_.schema_module); }

bool HostSession::Initialize(ObjectRef schema_module) {
  if (!tier_) CreateTier();
  return tier_->Initialize(kTierName, host_.validator, host_.messenger, std::move(schema_module));
}

const TierObjects& HostSession::FetchObjects() {
  if (!tier_) return objects_;
  objects_ = {tier_->ProviderOwner(), tier_->Schema(), tier_->UserInterface(), tier_->Validator()};
  return objects_;
}

void HostSession::Terminate() {
  objects_ = {};
  if (!tier_) return;
  tier_->Terminate();
  terminated_ = true;
}

int HostSession::TerminationRequests() const { return sink_->requests; }

bool HostSession::TierOwnsObjects() const {
  return tier_->ProviderOwner() || tier_->Schema() || tier_->UserInterface() || tier_->Validator();
}

void HostSession::End() {
  if (ended_) return;
  ended_ = true;
  // A tier that failed early owns nothing and has no delegate holder to clear: its
  // Terminate would only report that. Any owned object holds the tier, so terminate.
  if (tier_ && !terminated_ && TierOwnsObjects()) Terminate();
  objects_ = {};
  ReleaseTier();
  ReleaseHostObjects();
  const ComponentApi& api = Api();
  UnregisterSimProvInfoClass(api);
  api.RegisterHostClass(XArrayDBObject::kHostClassName, nullptr);
  api.InstallMessageBoxService(nullptr);
  if (folder_set_) api.SetThreadComponentFolder({});
}

void HostSession::ReleaseTier() {
  if (!tier_) return;
  // The component keeps its last tier as the thread's terminator: the sink must not
  // be told anything once the session is over.
  if (auto source = std::dynamic_pointer_cast<ItierEventSource>(tier_); source && sink_cookie_ != 0) {
    source->Unadvise(sink_cookie_);
  }
  tier_.reset();
}

void HostSession::ReleaseHostObjects() {
  // The messenger hands out the delegate, and the delegate holds the tier it serves
  // (and the messenger): drop both sides.
  host_.messenger->ClearTiers();
  host_.messenger->ShowBoxesThrough(nullptr);
  host_.delegate->ReleaseAll();
  host_.delegate_validator->ReleaseAll();
}

}  // namespace vx4820cal::simhost
