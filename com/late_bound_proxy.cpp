#include "com/late_bound_proxy.h"

#include <vector>

#include "com/bstr_text.h"
#include "com/variant_bridge.h"

namespace vx4820cal::com {

Variant LateBoundProxy::Invoke(const std::string& strMethod, std::vector<Variant>& args) {
  Bstr name(strMethod);
  LPOLESTR names[] = {name.Get()};
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = host()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (hr == DISP_E_UNKNOWNNAME) throw RuntimeError(err::kNoSuchMethod);
  Check(hr);
  // Arguments go right to left.
  std::vector<VARIANT> passed(args.size());
  for (size_t i = 0; i < args.size(); ++i) {
    VariantInit(&passed[args.size() - 1 - i]);
    StoreVariant(&passed[args.size() - 1 - i], args[i]);
  }
  DISPPARAMS params = {passed.data(), nullptr, static_cast<UINT>(passed.size()), 0};
  ComVariant result;
  EXCEPINFO exception = {};
  hr = host()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.Get(), &exception, nullptr);
  for (VARIANT& v : passed) VariantClear(&v);
  if (hr == DISP_E_EXCEPTION) {
    Error error(exception.scode ? NumberForHResult(exception.scode) : exception.wCode,
                exception.bstrSource ? Utf8FromBstr(exception.bstrSource) : kComponentName,
                Utf8FromBstr(exception.bstrDescription));
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    throw error;
  }
  Check(hr);
  return result.Core();
}

}  // namespace vx4820cal::com
