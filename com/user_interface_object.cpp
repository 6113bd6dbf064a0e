#include "com/user_interface_object.h"

#include "com/by_reference.h"

namespace vx4820cal::com {

using Interface = vx4820cal::ItierUserInterface;

template <class Place, class C, class Method>
HRESULT UserInterfaceObject::Lookup(BSTR* UIID, C* answer, VARIANT_BOOL* defined, Method lookup) {
  return AnswerBool(defined, [&] {
    TextInOut uiid(UIID);
    Place place(answer);
    return (core().*lookup)(uiid.value, place.value);
  });
}

HRESULT UserInterfaceObject::GetATGridIDByUIID(BSTR* UIID, BSTR* ATGridID, VARIANT_BOOL* Defined) {
  return Lookup<TextInOut>(UIID, ATGridID, Defined, &Interface::GetATGridIDByUIID);
}
HRESULT UserInterfaceObject::GetCustAccessLevelByUIID(BSTR* UIID, short* CustAccessLevel, VARIANT_BOOL* Defined) {
  return Lookup<NumberInOut<int16_t, short>>(UIID, CustAccessLevel, Defined, &Interface::GetCustAccessLevelByUIID);
}
HRESULT UserInterfaceObject::GetNavLabelByUIID(BSTR* UIID, BSTR* NavLabel, VARIANT_BOOL* Defined) {
  return Lookup<TextInOut>(UIID, NavLabel, Defined, &Interface::GetNavLabelByUIID);
}
HRESULT UserInterfaceObject::GetHelpIdByUIID(BSTR* UIID, LONG* HelpID, VARIANT_BOOL* Defined) {
  return Lookup<NumberInOut<int32_t, LONG>>(UIID, HelpID, Defined, &Interface::GetHelpIdByUIID);
}
HRESULT UserInterfaceObject::GetUIWidthByUIID(BSTR* UIID, LONG* UIWidth, VARIANT_BOOL* Defined) {
  return Lookup<NumberInOut<int32_t, LONG>>(UIID, UIWidth, Defined, &Interface::GetUIWidthByUIID);
}
HRESULT UserInterfaceObject::GetLabelByUIID(BSTR* UIID, BSTR* Label, VARIANT_BOOL* Defined) {
  return Lookup<TextInOut>(UIID, Label, Defined, &Interface::GetLabelByUIID);
}
HRESULT UserInterfaceObject::GetUnitsByUIID(BSTR* UIID, BSTR* Units, VARIANT_BOOL* Defined) {
  return Lookup<TextInOut>(UIID, Units, Defined, &Interface::GetUnitsByUIID);
}
HRESULT UserInterfaceObject::GetFactoryVisible(BSTR* UIID, short* FactoryVisible, VARIANT_BOOL* Defined) {
  return Lookup<NumberInOut<int16_t, short>>(UIID, FactoryVisible, Defined, &Interface::GetFactoryVisible);
}
HRESULT UserInterfaceObject::GetCustVisInFact(BSTR* UIID, VARIANT_BOOL* CustVisInFact, VARIANT_BOOL* Defined) {
  return Lookup<BoolInOut>(UIID, CustVisInFact, Defined, &Interface::GetCustVisInFact);
}
HRESULT UserInterfaceObject::GetDecimalSymbolByUIID(BSTR* UIID, VARIANT_BOOL* DecimalSymbol, VARIANT_BOOL* Defined) {
  return Lookup<BoolInOut>(UIID, DecimalSymbol, Defined, &Interface::GetDecimalSymbolByUIID);
}

HRESULT UserInterfaceObject::InitialiseUserInterface(::Itier** objTier, IDispatch** SchemaModule,
                                                     VARIANT_BOOL* Initialised) {
  return AnswerBool(Initialised, [&] {
    ObjectInOut<vx4820cal::Itier, ::Itier> tier(objTier);
    ObjectRef module = CoreFromCom(SchemaModule ? *SchemaModule : nullptr);
    return core().InitialiseUserInterface(tier.value, module);
  });
}

}  // namespace vx4820cal::com
