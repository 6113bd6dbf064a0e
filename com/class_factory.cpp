#include "com/class_factory.h"

#include "com/com_errors.h"
#include "com/object_bridge.h"
#include "com/server_module.h"
#include "com/system_message_boxes.h"
#include "vx4820cal/component.h"

namespace vx4820cal::com {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
  *out = static_cast<IClassFactory*>(this);
  AddRef();
  return S_OK;
}

ULONG ClassFactory::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  HRESULT hr = S_OK;
  HRESULT created = Guarded(IID_IClassFactory, [&] {
    UseSystemMessageBoxes();  // on the thread (apartment) the object will live on
    ComPtr<IUnknown> object = ComFromCore(CreateObject(class_name_));
    hr = object->QueryInterface(iid, out);
  });
  return FAILED(created) ? created : hr;
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  com::LockServer(lock != FALSE);
  return S_OK;
}

}  // namespace vx4820cal::com
