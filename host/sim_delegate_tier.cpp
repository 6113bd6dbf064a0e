#include "host/sim_delegate_tier.h"

namespace vx4820cal::simhost {

bool SimDelegateTier::Activate() {
  log_.Record("Activate");
  return true;
}

std::shared_ptr<IproviderOwner> SimDelegateTier::ProviderOwner() {
  log_.Record("ProviderOwner");
  return provider_owner_;
}

std::shared_ptr<ItierValidator> SimDelegateTier::Validator() {
  log_.Record("Validator");
  return validator_;
}

bool SimDelegateTier::Initialize(std::string strTierName, std::shared_ptr<Ivalidator>,
                                 std::shared_ptr<Imessenger> objMsg, ObjectRef) {
  log_.Record("Initialize", {strTierName});
  tier_name_ = std::move(strTierName);
  messenger_ = std::move(objMsg);
  return true;
}

void SimDelegateTier::Terminate() { log_.Record("Terminate"); }

void SimDelegateTier::InitializeAsDelegate(std::shared_ptr<Itier> objTier, std::shared_ptr<Ivalidator> objValidator) {
  log_.Record("InitializeAsDelegate", {objTier ? objTier->TierName() : std::string()});
  served_tier_ = std::move(objTier);
  served_validator_ = std::move(objValidator);
}

void SimDelegateTier::CalParameters(std::shared_ptr<IcalParameters> RHS) {
  log_.Record("CalParameters");
  cal_parameters_ = std::move(RHS);
}

void SimDelegateTier::ReleaseAll() {
  provider_owner_.reset();
  validator_.reset();
  cal_parameters_.reset();
  current_provider_.reset();
  served_tier_.reset();
  served_validator_.reset();
  messenger_.reset();
}

}  // namespace vx4820cal::simhost
