#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

// A tier of the host: the component implements it, and the delegate tier is one.
class VX4820CAL_API Itier : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{C2872319-F5AC-43C2-88AB-2CD66FAE30D7}";
  virtual bool Activate() = 0;
  virtual std::shared_ptr<IprovInfo> CurrentProvInfo() = 0;
  virtual std::shared_ptr<Iprovider> CurrentProvider() = 0;
  virtual std::shared_ptr<IproviderOwner> ProviderOwner() = 0;
  virtual std::shared_ptr<ItierSchema> Schema() = 0;
  virtual std::shared_ptr<Iterminator> Terminator() = 0;
  virtual std::shared_ptr<ItierUserInterface> UserInterface() = 0;
  virtual std::shared_ptr<ItierValidator> Validator() = 0;
  // SchemaModule is optional: none when the host gives no schema module.
  virtual bool Initialize(std::string strTierName, std::shared_ptr<Ivalidator> objValidator,
                          std::shared_ptr<Imessenger> objMsg, ObjectRef SchemaModule) = 0;
  virtual void Terminate() = 0;
  virtual std::string TierKey() = 0;
  virtual void TierKey(std::string strNew) = 0;
  virtual void TierName(std::string strNew) = 0;
  virtual std::string TierName() = 0;
  virtual std::shared_ptr<Imessenger> Messenger() = 0;
  virtual void InitializeAsDelegate(std::shared_ptr<Itier> objTier, std::shared_ptr<Ivalidator> objValidator) = 0;
};

}  // namespace vx4820cal
