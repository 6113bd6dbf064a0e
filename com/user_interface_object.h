#pragma once
// The tier user interface as a COM object (ItierUserInterface).
#include "com/dispatch_object.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

using UserInterfaceBase = DispatchObject<vx4820cal::ItierUserInterface, ::ItierUserInterface>;

class UserInterfaceObject final : public UserInterfaceBase {
 public:
  using UserInterfaceBase::UserInterfaceBase;

  HRESULT STDMETHODCALLTYPE GetATGridIDByUIID(BSTR* UIID, BSTR* ATGridID, VARIANT_BOOL* Defined) override;
  HRESULT STDMETHODCALLTYPE GetCustAccessLevelByUIID(BSTR* UIID, short* CustAccessLevel,
                                                     VARIANT_BOOL* Defined) override;
  HRESULT STDMETHODCALLTYPE InitialiseUserInterface(::Itier** objTier, IDispatch** SchemaModule,
                                                    VARIANT_BOOL* Initialised) override;
  HRESULT STDMETHODCALLTYPE GetNavLabelByUIID(BSTR* UIID, BSTR* NavLabel, VARIANT_BOOL* Defined) override;
  HRESULT STDMETHODCALLTYPE GetHelpIdByUIID(BSTR* UIID, LONG* HelpID, VARIANT_BOOL* Defined) override;
  HRESULT STDMETHODCALLTYPE GetUIWidthByUIID(BSTR* UIID, LONG* UIWidth, VARIANT_BOOL* Defined) override;
  HRESULT STDMETHODCALLTYPE GetLabelByUIID(BSTR* UIID, BSTR* Label, VARIANT_BOOL* Defined) override;
  HRESULT STDMETHODCALLTYPE GetUnitsByUIID(BSTR* UIID, BSTR* Units, VARIANT_BOOL* Defined) override;
  HRESULT STDMETHODCALLTYPE GetFactoryVisible(BSTR* UIID, short* FactoryVisible, VARIANT_BOOL* Defined) override;
  HRESULT STDMETHODCALLTYPE GetCustVisInFact(BSTR* UIID, VARIANT_BOOL* CustVisInFact, VARIANT_BOOL* Defined) override;
  HRESULT STDMETHODCALLTYPE GetDecimalSymbolByUIID(BSTR* UIID, VARIANT_BOOL* DecimalSymbol,
                                                   VARIANT_BOOL* Defined) override;

 private:
  // One lookup: the field's answer goes back through Place (an [in, out] holder).
  template <class Place, class C, class Method>
  HRESULT Lookup(BSTR* UIID, C* answer, VARIANT_BOOL* defined, Method lookup);
};

}  // namespace vx4820cal::com
