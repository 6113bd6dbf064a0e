#pragma once
// The host's "LR2930 Cal" tier as the component sees it: a tier whose provider owner
// and validator a test supplies, recording what the component hands it.
#include <memory>
#include <string>

#include "host/call_log.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::simhost {

class SimDelegateTier : public Itier, public IcalParamOwner {
 public:
  bool Activate() override;
  std::shared_ptr<IprovInfo> CurrentProvInfo() override { return nullptr; }
  std::shared_ptr<Iprovider> CurrentProvider() override { return current_provider_; }
  std::shared_ptr<IproviderOwner> ProviderOwner() override;
  std::shared_ptr<ItierSchema> Schema() override { return nullptr; }
  std::shared_ptr<Iterminator> Terminator() override { return nullptr; }
  std::shared_ptr<ItierUserInterface> UserInterface() override { return nullptr; }
  std::shared_ptr<ItierValidator> Validator() override;
  bool Initialize(std::string strTierName, std::shared_ptr<Ivalidator> objValidator, std::shared_ptr<Imessenger> objMsg,
                  ObjectRef SchemaModule) override;
  void Terminate() override;
  std::string TierKey() override { return tier_key_; }
  void TierKey(std::string strNew) override { tier_key_ = std::move(strNew); }
  void TierName(std::string strNew) override { tier_name_ = std::move(strNew); }
  std::string TierName() override { return tier_name_; }
  std::shared_ptr<Imessenger> Messenger() override { return messenger_; }
  void InitializeAsDelegate(std::shared_ptr<Itier> objTier, std::shared_ptr<Ivalidator> objValidator) override;

  void CalParameters(std::shared_ptr<IcalParameters> RHS) override;

  // Script.
  void SetProviderOwner(std::shared_ptr<IproviderOwner> owner) { provider_owner_ = std::move(owner); }
  void SetValidator(std::shared_ptr<ItierValidator> validator) { validator_ = std::move(validator); }
  void SetMessenger(std::shared_ptr<Imessenger> messenger) { messenger_ = std::move(messenger); }
  void SetCurrentProvider(std::shared_ptr<Iprovider> provider) { current_provider_ = std::move(provider); }

  // What the component handed over.
  const std::shared_ptr<IcalParameters>& ReceivedCalParameters() const { return cal_parameters_; }
  const std::shared_ptr<Itier>& ServedTier() const { return served_tier_; }
  const CallLog& Log() const { return log_; }
  // Drops every reference the delegate holds, breaking cycles with the component.
  void ReleaseAll();

 private:
  CallLog log_;
  std::string tier_key_ = "LR2930 Cal.0001";
  std::string tier_name_ = "LR2930 Cal";
  std::shared_ptr<Imessenger> messenger_;
  std::shared_ptr<IproviderOwner> provider_owner_;
  std::shared_ptr<ItierValidator> validator_;
  std::shared_ptr<IcalParameters> cal_parameters_;
  std::shared_ptr<Iprovider> current_provider_;
  std::shared_ptr<Itier> served_tier_;
  std::shared_ptr<Ivalidator> served_validator_;
};

}  // namespace vx4820cal::simhost
