#pragma once
// The provider-info collection as a COM object (IcolProvInfo).
#include "com/dispatch_object.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

using ProvInfoListBase = DispatchObject<vx4820cal::IcolProvInfo, ::IcolProvInfo>;

class ProvInfoListObject final : public ProvInfoListBase {
 public:
  using ProvInfoListBase::ProvInfoListBase;

  HRESULT STDMETHODCALLTYPE Add(::IprovInfo* objProvInfo, BSTR strKey) override;
  HRESULT STDMETHODCALLTYPE Item(VARIANT vntIndexKey, ::IprovInfo** out) override;
  HRESULT STDMETHODCALLTYPE Count(LONG* out) override;
  HRESULT STDMETHODCALLTYPE Remove(VARIANT vntIndexKey) override;
  HRESULT STDMETHODCALLTYPE NewEnum(IUnknown** out) override;
  HRESULT STDMETHODCALLTYPE Exists(BSTR strKey, VARIANT_BOOL* out) override;
};

}  // namespace vx4820cal::com
