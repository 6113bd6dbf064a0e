#include "com/tier_object.h"

#include "com/bstr_text.h"
#include "com/tier_connection_point.h"
#include "com/variant_bridge.h"
#include "common/object_access.h"

namespace vx4820cal::com {

template <class I, class Getter>
HRESULT TierObject::Get(I** out, Getter&& getter) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Run([&] { StoreOut(out, getter()); });
}

HRESULT TierObject::Activate(VARIANT_BOOL* Active) {
  *Active = VARIANT_FALSE;
  return Run([&] { StoreBool(Active, core().Activate()); });
}

HRESULT TierObject::get_CurrentProvInfo(::IprovInfo** out) {
  return Get(out, [&] { return core().CurrentProvInfo(); });
}
HRESULT TierObject::get_CurrentProvider(::Iprovider** out) {
  return Get(out, [&] { return core().CurrentProvider(); });
}
HRESULT TierObject::get_ProviderOwner(::IproviderOwner** out) {
  return Get(out, [&] { return core().ProviderOwner(); });
}
HRESULT TierObject::get_Schema(::ItierSchema** out) {
  return Get(out, [&] { return core().Schema(); });
}
HRESULT TierObject::get_Terminator(::Iterminator** out) {
  return Get(out, [&] { return core().Terminator(); });
}
HRESULT TierObject::get_UserInterface(::ItierUserInterface** out) {
  return Get(out, [&] { return core().UserInterface(); });
}
HRESULT TierObject::get_Validator(::ItierValidator** out) {
  return Get(out, [&] { return core().Validator(); });
}
HRESULT TierObject::get_Messenger(::Imessenger** out) {
  return Get(out, [&] { return core().Messenger(); });
}

HRESULT TierObject::Initialize(BSTR strTierName, ::Ivalidator* objValidator, ::Imessenger* objMsg, VARIANT SchemaModule,
                               VARIANT_BOOL* Initialized) {
  *Initialized = VARIANT_FALSE;
  return Run([&] {
    // An omitted optional argument arrives as VT_ERROR (DISP_E_PARAMNOTFOUND): none.
    ObjectRef schema_module;
    if (V_VT(&SchemaModule) != VT_ERROR) {
      Variant module = CoreVariant(SchemaModule);
      if (module.IsObject()) schema_module = module.AsObjectUnchecked();
    }
    bool done = core().Initialize(Utf8FromBstr(strTierName), CoreAs<vx4820cal::Ivalidator>(objValidator),
                                  CoreAs<vx4820cal::Imessenger>(objMsg), schema_module);
    StoreBool(Initialized, done);
  });
}

HRESULT TierObject::Terminate() {
  return Run([&] { core().Terminate(); });
}

HRESULT TierObject::get_TierKey(BSTR* out) {
  *out = nullptr;
  return Run([&] { *out = BstrFromUtf8(core().TierKey()); });
}
HRESULT TierObject::put_TierKey(BSTR strNew) {
  return Run([&] { core().TierKey(Utf8FromBstr(strNew)); });
}
HRESULT TierObject::put_TierName(BSTR strNew) {
  return Run([&] { core().TierName(Utf8FromBstr(strNew)); });
}
HRESULT TierObject::get_TierName(BSTR* out) {
  *out = nullptr;
  return Run([&] { *out = BstrFromUtf8(core().TierName()); });
}

HRESULT TierObject::InitializeAsDelegate(::Itier* objTier, ::Ivalidator* objValidator) {
  return Run([&] {
    core().InitializeAsDelegate(CoreAs<vx4820cal::Itier>(objTier), CoreAs<vx4820cal::Ivalidator>(objValidator));
  });
}

HRESULT TierObject::TerminateApplication() {
  return Run([&] { ViewAs<vx4820cal::Iterminator>(core_ref())->TerminateApplication(); });
}

HRESULT TierObject::putref_CalParameters(::IcalParameters* RHS) {
  return Run(
      [&] { ViewAs<vx4820cal::IcalParamOwner>(core_ref())->CalParameters(CoreAs<vx4820cal::IcalParameters>(RHS)); });
}

HRESULT TierObject::EnumConnectionPoints(IEnumConnectionPoints** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT TierObject::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid != DIID___clsVX4820CALTier) return CONNECT_E_NOCONNECTION;
  return Run([&] { *out = new TierConnectionPoint(ViewAs<ItierEventSource>(core_ref()), this); });
}

}  // namespace vx4820cal::com
