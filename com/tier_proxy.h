#pragma once
// A host tier (the delegate tier "LR2930 Cal") as the core's Itier and
// IcalParamOwner; the second is asked of the host object when it is used.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class TierProxy final : public vx4820cal::Itier, public vx4820cal::IcalParamOwner, public HostProxy<::Itier> {
 public:
  using HostProxy::HostProxy;

  bool Activate() override;
  std::shared_ptr<vx4820cal::IprovInfo> CurrentProvInfo() override;
  std::shared_ptr<vx4820cal::Iprovider> CurrentProvider() override;
  std::shared_ptr<vx4820cal::IproviderOwner> ProviderOwner() override;
  std::shared_ptr<vx4820cal::ItierSchema> Schema() override;
  std::shared_ptr<vx4820cal::Iterminator> Terminator() override;
  std::shared_ptr<vx4820cal::ItierUserInterface> UserInterface() override;
  std::shared_ptr<vx4820cal::ItierValidator> Validator() override;
  bool Initialize(std::string strTierName, std::shared_ptr<vx4820cal::Ivalidator> objValidator,
                  std::shared_ptr<vx4820cal::Imessenger> objMsg, ObjectRef SchemaModule) override;
  void Terminate() override;
  std::string TierKey() override;
  void TierKey(std::string strNew) override;
  void TierName(std::string strNew) override;
  std::string TierName() override;
  std::shared_ptr<vx4820cal::Imessenger> Messenger() override;
  void InitializeAsDelegate(std::shared_ptr<vx4820cal::Itier> objTier,
                            std::shared_ptr<vx4820cal::Ivalidator> objValidator) override;

  void CalParameters(std::shared_ptr<vx4820cal::IcalParameters> RHS) override;
};

}  // namespace vx4820cal::com
