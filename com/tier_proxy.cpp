#include "com/tier_proxy.h"

#include "com/host_arguments.h"

namespace vx4820cal::com {

bool TierProxy::Activate() {
  return BoolResult([&](VARIANT_BOOL* out) { return host()->Activate(out); });
}

std::shared_ptr<vx4820cal::IprovInfo> TierProxy::CurrentProvInfo() {
  return ObjectResult<vx4820cal::IprovInfo, ::IprovInfo>(
      [&](::IprovInfo** out) { return host()->get_CurrentProvInfo(out); });
}

std::shared_ptr<vx4820cal::Iprovider> TierProxy::CurrentProvider() {
  return ObjectResult<vx4820cal::Iprovider, ::Iprovider>(
      [&](::Iprovider** out) { return host()->get_CurrentProvider(out); });
}

std::shared_ptr<vx4820cal::IproviderOwner> TierProxy::ProviderOwner() {
  return ObjectResult<vx4820cal::IproviderOwner, ::IproviderOwner>(
      [&](::IproviderOwner** out) { return host()->get_ProviderOwner(out); });
}

std::shared_ptr<vx4820cal::ItierSchema> TierProxy::Schema() {
  return ObjectResult<vx4820cal::ItierSchema, ::ItierSchema>(
      [&](::ItierSchema** out) { return host()->get_Schema(out); });
}

std::shared_ptr<vx4820cal::Iterminator> TierProxy::Terminator() {
  return ObjectResult<vx4820cal::Iterminator, ::Iterminator>(
      [&](::Iterminator** out) { return host()->get_Terminator(out); });
}

std::shared_ptr<vx4820cal::ItierUserInterface> TierProxy::UserInterface() {
  return ObjectResult<vx4820cal::ItierUserInterface, ::ItierUserInterface>(
      [&](::ItierUserInterface** out) { return host()->get_UserInterface(out); });
}

std::shared_ptr<vx4820cal::ItierValidator> TierProxy::Validator() {
  return ObjectResult<vx4820cal::ItierValidator, ::ItierValidator>(
      [&](::ItierValidator** out) { return host()->get_Validator(out); });
}

bool TierProxy::Initialize(std::string strTierName, std::shared_ptr<vx4820cal::Ivalidator> objValidator,
                           std::shared_ptr<vx4820cal::Imessenger> objMsg, ObjectRef SchemaModule) {
  Bstr name(strTierName);
  ComVariant module(SchemaModule ? Variant(SchemaModule) : Variant());
  if (!SchemaModule) {
    V_VT(module.Get()) = VT_ERROR;
    V_ERROR(module.Get()) = DISP_E_PARAMNOTFOUND;
  }
  return BoolResult([&](VARIANT_BOOL* out) {
    return host()->Initialize(name.Get(), ComAs<::Ivalidator>(objValidator).Get(), ComAs<::Imessenger>(objMsg).Get(),
                              *module.Get(), out);
  });
}

void TierProxy::Terminate() { Check(host()->Terminate()); }

std::string TierProxy::TierKey() {
  return TextResult([&](BSTR* out) { return host()->get_TierKey(out); });
}

void TierProxy::TierKey(std::string strNew) {
  Bstr key(strNew);
  Check(host()->put_TierKey(key.Get()));
}

void TierProxy::TierName(std::string strNew) {
  Bstr name(strNew);
  Check(host()->put_TierName(name.Get()));
}

std::string TierProxy::TierName() {
  return TextResult([&](BSTR* out) { return host()->get_TierName(out); });
}

std::shared_ptr<vx4820cal::Imessenger> TierProxy::Messenger() {
  return ObjectResult<vx4820cal::Imessenger, ::Imessenger>(
      [&](::Imessenger** out) { return host()->get_Messenger(out); });
}

void TierProxy::InitializeAsDelegate(std::shared_ptr<vx4820cal::Itier> objTier,
                                     std::shared_ptr<vx4820cal::Ivalidator> objValidator) {
  Check(host()->InitializeAsDelegate(ComAs<::Itier>(objTier).Get(), ComAs<::Ivalidator>(objValidator).Get()));
}

void TierProxy::CalParameters(std::shared_ptr<vx4820cal::IcalParameters> RHS) {
  ComPtr<::Itier> self = ComPtr<::Itier>::Share(host());
  ComPtr<::IcalParamOwner> owner = self.As<::IcalParamOwner>(__uuidof(::IcalParamOwner));
  if (!owner) throw RuntimeError(err::kTypeMismatch);
  Check(owner->putref_CalParameters(ComAs<::IcalParameters>(RHS).Get()));
}

}  // namespace vx4820cal::com
