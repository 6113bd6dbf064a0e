#pragma once
// The tier as a COM object: Itier, Iterminator, IcalParamOwner, its empty default
// interface, and the connection point of its TerminateApplication event.
#include "com/dispatch_object.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

using TierBase = DispatchObject<vx4820cal::Itier, ::Itier, ::_clsVX4820CALTier, ::Iterminator, ::IcalParamOwner,
                                ::IConnectionPointContainer>;

class TierObject final : public TierBase {
 public:
  using TierBase::TierBase;

  // Itier
  HRESULT STDMETHODCALLTYPE Activate(VARIANT_BOOL* Active) override;
  HRESULT STDMETHODCALLTYPE get_CurrentProvInfo(::IprovInfo** out) override;
  HRESULT STDMETHODCALLTYPE get_CurrentProvider(::Iprovider** out) override;
  HRESULT STDMETHODCALLTYPE get_ProviderOwner(::IproviderOwner** out) override;
  HRESULT STDMETHODCALLTYPE get_Schema(::ItierSchema** out) override;
  HRESULT STDMETHODCALLTYPE get_Terminator(::Iterminator** out) override;
  HRESULT STDMETHODCALLTYPE get_UserInterface(::ItierUserInterface** out) override;
  HRESULT STDMETHODCALLTYPE get_Validator(::ItierValidator** out) override;
  HRESULT STDMETHODCALLTYPE Initialize(BSTR strTierName, ::Ivalidator* objValidator, ::Imessenger* objMsg,
                                       VARIANT SchemaModule, VARIANT_BOOL* Initialized) override;
  HRESULT STDMETHODCALLTYPE Terminate() override;
  HRESULT STDMETHODCALLTYPE get_TierKey(BSTR* out) override;
  HRESULT STDMETHODCALLTYPE put_TierKey(BSTR strNew) override;
  HRESULT STDMETHODCALLTYPE put_TierName(BSTR strNew) override;
  HRESULT STDMETHODCALLTYPE get_TierName(BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_Messenger(::Imessenger** out) override;
  HRESULT STDMETHODCALLTYPE InitializeAsDelegate(::Itier* objTier, ::Ivalidator* objValidator) override;

  // Iterminator
  HRESULT STDMETHODCALLTYPE TerminateApplication() override;

  // IcalParamOwner
  HRESULT STDMETHODCALLTYPE putref_CalParameters(::IcalParameters* RHS) override;

  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

 private:
  template <class I, class Getter>
  HRESULT Get(I** out, Getter&& getter);
};

}  // namespace vx4820cal::com
