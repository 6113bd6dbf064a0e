#pragma once
// A core walk (Ienumerator) as IEnumVARIANT, for the host's For Each.
#include <atomic>
#include <memory>

#include "com/object_bridge.h"
#include "vx4820cal/interfaces/ienumerator.h"

namespace vx4820cal::com {

class EnumVariantObject final : public IEnumVARIANT, public ICoreObject {
 public:
  explicit EnumVariantObject(std::shared_ptr<Ienumerator> core);
  ~EnumVariantObject();
  EnumVariantObject(const EnumVariantObject&) = delete;
  EnumVariantObject& operator=(const EnumVariantObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  // The core's walks go forward only.
  HRESULT STDMETHODCALLTYPE Reset() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override;

  ObjectRef STDMETHODCALLTYPE CoreObject() override { return core_; }

 private:
  std::shared_ptr<Ienumerator> core_;
  std::atomic<ULONG> references_{1};
};

}  // namespace vx4820cal::com
