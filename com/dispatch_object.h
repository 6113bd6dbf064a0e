#pragma once
// The COM side of one core object: reference counting, QueryInterface over the
// interfaces it implements (always the same IUnknown: the primary interface's),
// IDispatch through the type library (late-bound callers reach the primary
// interface's operations by name), ISupportErrorInfo, and the way back to the core
// object. Every live wrapper counts for DllCanUnloadNow.
#include <atomic>
#include <memory>

#include "com/com_errors.h"
#include "com/object_bridge.h"
#include "com/server_module.h"

namespace vx4820cal::com {

template <class Core, class Primary, class... More>
class DispatchObject : public Primary, public More..., public ISupportErrorInfo, public ICoreObject {
 public:
  explicit DispatchObject(std::shared_ptr<Core> core) : core_(std::move(core)) {
    ObjectCreated();
    RememberWrapper(core_.get(), Identity());
  }
  virtual ~DispatchObject() {
    ForgetWrapper(core_.get());
    ObjectDestroyed();
  }
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  IUnknown* Identity() { return static_cast<Primary*>(this); }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = Find(iid);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return Guarded(__uuidof(Primary), [&] {
      *info = TypeInfoFor(__uuidof(Primary));
      (*info)->AddRef();
    });
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    ITypeInfo* info = nullptr;
    HRESULT hr = Guarded(__uuidof(Primary), [&] { info = TypeInfoFor(__uuidof(Primary)); });
    return FAILED(hr) ? hr : DispGetIDsOfNames(info, names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT* bad_argument) override {
    ITypeInfo* info = nullptr;
    HRESULT hr = Guarded(__uuidof(Primary), [&] { info = TypeInfoFor(__uuidof(Primary)); });
    if (FAILED(hr)) return hr;
    return DispInvoke(static_cast<Primary*>(this), info, id, flags, params, result, exception, bad_argument);
  }

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override { return Find(iid) ? S_OK : S_FALSE; }

  // ICoreObject
  ObjectRef STDMETHODCALLTYPE CoreObject() override { return core_; }

 protected:
  Core& core() { return *core_; }
  const std::shared_ptr<Core>& core_ref() { return core_; }
  template <class Body>
  HRESULT Run(Body&& body) {
    return Guarded(__uuidof(Primary), std::forward<Body>(body));
  }
  // An operation answering a Boolean: False unless the body answers.
  template <class Body>
  HRESULT AnswerBool(VARIANT_BOOL* result, Body&& body) {
    if (!result) return E_POINTER;
    *result = VARIANT_FALSE;
    return Run([&] { *result = body() ? VARIANT_TRUE : VARIANT_FALSE; });
  }

 private:
  void* Find(REFIID iid) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Primary)) return Identity();
    if (iid == IID_ISupportErrorInfo) return static_cast<ISupportErrorInfo*>(this);
    if (iid == __uuidof(ICoreObject)) return static_cast<ICoreObject*>(this);
    void* found = nullptr;
    ((found = found ? found : (iid == __uuidof(More) ? static_cast<More*>(this) : nullptr)), ...);
    return found ? found : FindMore(iid);
  }
  // Further interfaces a class answers outside its list (none by default).
  virtual void* FindMore(REFIID) { return nullptr; }

  std::shared_ptr<Core> core_;
  std::atomic<ULONG> references_{1};
};

inline void StoreBool(VARIANT_BOOL* place, bool value) { *place = value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace vx4820cal::com
