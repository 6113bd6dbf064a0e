#include "com/prov_info_list_object.h"

#include "com/bstr_text.h"
#include "com/variant_bridge.h"

namespace vx4820cal::com {

HRESULT ProvInfoListObject::Add(::IprovInfo* objProvInfo, BSTR strKey) {
  return Run([&] { core().Add(CoreAs<vx4820cal::IprovInfo>(objProvInfo), Utf8FromBstr(strKey)); });
}

HRESULT ProvInfoListObject::Item(VARIANT vntIndexKey, ::IprovInfo** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Run([&] { StoreOut(out, core().Item(CoreVariant(vntIndexKey))); });
}

HRESULT ProvInfoListObject::Count(LONG* out) {
  if (!out) return E_POINTER;
  *out = 0;
  return Run([&] { *out = core().Count(); });
}

HRESULT ProvInfoListObject::Remove(VARIANT vntIndexKey) {
  return Run([&] { core().Remove(CoreVariant(vntIndexKey)); });
}

HRESULT ProvInfoListObject::NewEnum(IUnknown** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Run([&] { *out = ComFromCore(core().NewEnum()).Detach(); });
}

HRESULT ProvInfoListObject::Exists(BSTR strKey, VARIANT_BOOL* out) {
  return AnswerBool(out, [&] { return core().Exists(Utf8FromBstr(strKey)); });
}

}  // namespace vx4820cal::com
