#pragma once
// The object the host creates first: it initialises the component, owns the four
// objects the host calls directly, and relays requests to end the application.
#include <map>
#include <memory>
#include <string>

#include "vx4820cal/interfaces.h"
#include "vx4820cal/tier_events.h"

namespace vx4820cal {

class clsVX4820CALTier final : public Itier,
                               public IcalParamOwner,
                               public Iterminator,
                               public ItierEventSource,
                               public std::enable_shared_from_this<clsVX4820CALTier> {
 public:
  ~clsVX4820CALTier() override;

  // Itier
  bool Activate() override;
  std::shared_ptr<IprovInfo> CurrentProvInfo() override;
  std::shared_ptr<Iprovider> CurrentProvider() override;
  std::shared_ptr<IproviderOwner> ProviderOwner() override;
  std::shared_ptr<ItierSchema> Schema() override;
  std::shared_ptr<Iterminator> Terminator() override;
  std::shared_ptr<ItierUserInterface> UserInterface() override;
  std::shared_ptr<ItierValidator> Validator() override;
  bool Initialize(std::string strTierName, std::shared_ptr<Ivalidator> objValidator, std::shared_ptr<Imessenger> objMsg,
                  ObjectRef SchemaModule) override;
  void Terminate() override;
  std::string TierKey() override;
  void TierKey(std::string strNew) override;
  void TierName(std::string strNew) override;
  std::string TierName() override;
  std::shared_ptr<Imessenger> Messenger() override;
  void InitializeAsDelegate(std::shared_ptr<Itier> objTier, std::shared_ptr<Ivalidator> objValidator) override;

  // IcalParamOwner
  void CalParameters(std::shared_ptr<IcalParameters> RHS) override;

  // Iterminator
  void TerminateApplication() override;

  // ItierEventSource
  int32_t Advise(std::shared_ptr<IclsVX4820CALTierEvents> sink) override;
  void Unadvise(int32_t cookie) override;

 private:
  std::shared_ptr<Itier> Self();
  bool RunInitializeSteps(const std::string& strTierName, const std::shared_ptr<Ivalidator>& objValidator,
                          const std::shared_ptr<Imessenger>& objMsg, ObjectRef& SchemaModule);

  // Fields in the host's declared order; the destructor releases them in its own order.
  std::shared_ptr<IproviderOwner> provider_owner_;
  std::shared_ptr<ItierSchema> schema_;
  std::shared_ptr<ItierUserInterface> user_interface_;
  std::shared_ptr<ItierValidator> validator_;
  std::string tier_key_;
  std::string tier_name_;
  std::shared_ptr<Imessenger> messenger_;
  std::shared_ptr<IprovInfo> current_prov_info_;
  std::shared_ptr<Ivalidator> host_validator_;
  std::shared_ptr<IcalParameters> cal_parameters_;

  std::map<int32_t, std::shared_ptr<IclsVX4820CALTierEvents>> event_sinks_;
  int32_t next_cookie_ = 1;
};

}  // namespace vx4820cal
