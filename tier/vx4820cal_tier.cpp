#include "tier/vx4820cal_tier.h"

#include <vector>

#include "calparams/calibration_parameters.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "common/project_globals.h"
#include "provider/band_limits.h"
#include "provider/provider_owner.h"
#include "schema/schema.h"
#include "tier/local_tier_support.h"
#include "ui/tier_ui.h"
#include "validation/tier_validator.h"

namespace vx4820cal {
namespace {

constexpr const char* kParametersBaseName = "PARAMETERS";

// The product's models, in the order the schema makes its records.
std::vector<std::string> ModelNames() {
  return {"VX4820 Standard Rx", "VX4820 Trigger Base Rx", "VX4820 Transmitter", "VX4820 High Power Tx"};
}

}  // namespace

clsVX4820CALTier::~clsVX4820CALTier() {
  // Released in this order whatever the declaration order; a failure while releasing
  // must not leave the destructor.
  try {
    messenger_.reset();
    provider_owner_.reset();
    schema_.reset();
    user_interface_.reset();
    validator_.reset();
    current_prov_info_.reset();
    host_validator_.reset();
  } catch (...) {
  }
}

std::shared_ptr<Itier> clsVX4820CALTier::Self() { return shared_from_this(); }

bool clsVX4820CALTier::Initialize(std::string strTierName, std::shared_ptr<Ivalidator> objValidator,
                                  std::shared_ptr<Imessenger> objMsg, ObjectRef SchemaModule) {
  return TrapAndReport("Itier_Initialize", false,
                       [&] { return RunInitializeSteps(strTierName, objValidator, objMsg, SchemaModule); });
}

bool clsVX4820CALTier::RunInitializeSteps(const std::string& strTierName,
                                          const std::shared_ptr<Ivalidator>& objValidator,
                                          const std::shared_ptr<Imessenger>& objMsg, ObjectRef& SchemaModule) {
  tier_name_ = strTierName;
  messenger_ = objMsg;
  InitRaiseError(std::static_pointer_cast<Iterminator>(shared_from_this()));

  gobjCalParameters = NewCalibrationParameters();
  if (!Required(gobjCalParameters)->LoadFile(kParametersBaseName)) return false;
  cal_parameters_ = gobjCalParameters;
  InitBandLimits();

  gobjLocalTierSupport = std::make_shared<clsLocalTierSupport>();
  gobjLocalTierSupport->DelegateTier(Required(messenger_)->GetTierByName(kDelegateTierName));
  ViewAs<IcalParamOwner>(gobjLocalTierSupport->DelegateTier())->CalParameters(gobjCalParameters);

  std::vector<std::string> models = ModelNames();
  provider_owner_ = NewProviderOwner();
  Required(provider_owner_)->Initialize(Self());

  schema_ = NewSchema();
  std::string version;
  if (!Required(schema_)->Initialize(Self(), models, version)) return false;
  if (!version.empty()) TierKey(tier_name_ + "." + version);

  user_interface_ = NewTierUI();
  std::shared_ptr<Itier> self = Self();
  if (!Required(user_interface_)->InitialiseUserInterface(self, SchemaModule)) return false;

  validator_ = NewTierValidator();
  host_validator_ = objValidator;
  return Activate();
}

bool clsVX4820CALTier::Activate() {
  return TrapAndReport("Itier_Activate", false, [&] {
    Required(provider_owner_)->Initialize(Self());
    Required(validator_)->Initialize(Self(), host_validator_);
    RequiredDelegateTier()->InitializeAsDelegate(Self(), host_validator_);
    ViewAs<IcalParamOwner>(RequiredDelegateTier())->CalParameters(gobjCalParameters);
    return true;
  });
}

void clsVX4820CALTier::InitializeAsDelegate(std::shared_ptr<Itier> objTier, std::shared_ptr<Ivalidator> objValidator) {
  Required(validator_)->Initialize(objTier, objValidator);
  Required(provider_owner_)->Initialize(objTier);
}

std::shared_ptr<IprovInfo> clsVX4820CALTier::CurrentProvInfo() {
  return TrapAndReport("Itier_CurrentProvInfo", std::shared_ptr<IprovInfo>(), [&] {
    if (!current_prov_info_) {
      std::shared_ptr<IcolProvInfo> tier_list = Required(schema_)->TierList();
      current_prov_info_ = Required(tier_list)->Item(Variant(tier_key_));
    }
    return current_prov_info_;
  });
}

std::shared_ptr<Iprovider> clsVX4820CALTier::CurrentProvider() {
  return TrapAndReport("Itier_CurrentProvider", std::shared_ptr<Iprovider>(),
                       [&] { return Required(CurrentProvInfo())->Provider(); });
}

void clsVX4820CALTier::Terminate() {
  TrapAndReport("Itier_Terminate", [&] {
    provider_owner_.reset();
    schema_.reset();
    user_interface_.reset();
    validator_.reset();
    Required(gobjLocalTierSupport)->DelegateTier(nullptr);
    gobjLocalTierSupport.reset();
  });
}

// The plain getters share one shape: return the field under the getter's trap.
template <class T>
static T Get(const char* procedure, const T& field) {
  return TrapAndReport(procedure, T{}, [&] { return field; });
}

std::shared_ptr<IproviderOwner> clsVX4820CALTier::ProviderOwner() {
  return Get("Itier_ProviderOwner", provider_owner_);
}
std::shared_ptr<ItierSchema> clsVX4820CALTier::Schema() { return Get("Itier_Schema", schema_); }
std::shared_ptr<ItierUserInterface> clsVX4820CALTier::UserInterface() {
  return Get("Itier_UserInterface", user_interface_);
}
std::shared_ptr<ItierValidator> clsVX4820CALTier::Validator() { return Get("Itier_Validator", validator_); }
std::string clsVX4820CALTier::TierKey() { return Get("Itier_TierKey", tier_key_); }
std::string clsVX4820CALTier::TierName() { return Get("Itier_TierName", tier_name_); }
std::shared_ptr<Imessenger> clsVX4820CALTier::Messenger() { return Get("Itier_Messenger", messenger_); }

std::shared_ptr<Iterminator> clsVX4820CALTier::Terminator() {
  return TrapAndReport("Itier_Terminator", std::shared_ptr<Iterminator>(),
                       [&] { return std::static_pointer_cast<Iterminator>(shared_from_this()); });
}

void clsVX4820CALTier::TierKey(std::string strNew) {
  if (strNew == tier_key_) return;
  tier_key_ = std::move(strNew);
  current_prov_info_.reset();
}

void clsVX4820CALTier::TierName(std::string strNew) {
  TrapAndReport("Itier_TierName", [&] { tier_name_ = std::move(strNew); });
}

void clsVX4820CALTier::CalParameters(std::shared_ptr<IcalParameters> RHS) {
  TrapAndReport("IcalParamOwner_CalParameters", [&] { gobjCalParameters = std::move(RHS); });
}

void clsVX4820CALTier::TerminateApplication() {
  TrapAndReport("Iterminator_TerminateApplication", [&] {
    // A sink may unadvise while it is told: walk a copy.
    auto sinks = event_sinks_;
    for (auto& [cookie, sink] : sinks) sink->TerminateApplication();
  });
}

int32_t clsVX4820CALTier::Advise(std::shared_ptr<IclsVX4820CALTierEvents> sink) {
  int32_t cookie = next_cookie_++;
  event_sinks_.emplace(cookie, Required(sink));
  return cookie;
}

void clsVX4820CALTier::Unadvise(int32_t cookie) { event_sinks_.erase(cookie); }

}  // namespace vx4820cal
