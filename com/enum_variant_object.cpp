#include "com/enum_variant_object.h"

#include "com/com_errors.h"
#include "com/server_module.h"
#include "com/variant_bridge.h"

namespace vx4820cal::com {

EnumVariantObject::EnumVariantObject(std::shared_ptr<Ienumerator> core) : core_(std::move(core)) {
  ObjectCreated();
  RememberWrapper(core_.get(), static_cast<IEnumVARIANT*>(this));
}

EnumVariantObject::~EnumVariantObject() {
  ForgetWrapper(core_.get());
  ObjectDestroyed();
}

HRESULT EnumVariantObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IEnumVARIANT) {
    *out = static_cast<IEnumVARIANT*>(this);
  } else if (iid == __uuidof(ICoreObject)) {
    *out = static_cast<ICoreObject*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG EnumVariantObject::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT EnumVariantObject::Next(ULONG count, VARIANT* items, ULONG* fetched) {
  if (!items) return E_POINTER;
  ULONG done = 0;
  HRESULT hr = Guarded(IID_IEnumVARIANT, [&] {
    Variant item;
    while (done < count && core_->Next(item)) {
      VariantInit(&items[done]);
      StoreVariant(&items[done], item);
      ++done;
    }
  });
  if (fetched) *fetched = done;
  if (FAILED(hr)) return hr;
  return done == count ? S_OK : S_FALSE;
}

HRESULT EnumVariantObject::Skip(ULONG count) {
  HRESULT hr = S_OK;
  ULONG skipped = 0;
  hr = Guarded(IID_IEnumVARIANT, [&] {
    Variant item;
    while (skipped < count && core_->Next(item)) ++skipped;
  });
  if (FAILED(hr)) return hr;
  return skipped == count ? S_OK : S_FALSE;
}

HRESULT EnumVariantObject::Clone(IEnumVARIANT** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

}  // namespace vx4820cal::com
