#pragma once
// The COM host's own objects: reference counting, QueryInterface over the interfaces
// each implements, and no type information (they are called through their vtables,
// and only the schema module takes calls by name).
#include <windows.h>
#undef MessageBox
#include <cguid.h>
#include <ole2.h>
#include <olectl.h>

#include <atomic>
#include <string>
#include <tuple>
#include <utility>

#include "vx4820cal_com.h"

namespace comhost {

// An owned reference.
template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(T* raw) : raw_(raw) {  // takes a reference the caller holds
  }
  Ref(const Ref& other) : raw_(other.raw_) {
    if (raw_) raw_->AddRef();
  }
  Ref& operator=(Ref other) {
    std::swap(raw_, other.raw_);
    return *this;
  }
  ~Ref() {
    if (raw_) raw_->Release();
  }
  static Ref Share(T* raw) {
    if (raw) raw->AddRef();
    return Ref(raw);
  }
  T* get() const { return raw_; }
  T* operator->() const { return raw_; }
  T& operator*() const { return *raw_; }
  explicit operator bool() const { return raw_ != nullptr; }
  T** out() {
    *this = Ref();
    return &raw_;
  }
  // A new reference for an [out] place.
  T* give() const {
    if (raw_) raw_->AddRef();
    return raw_;
  }
  template <class U>
  Ref<U> as() const {
    Ref<U> view;
    if (raw_) raw_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(view.out()));
    return view;
  }

 private:
  T* raw_ = nullptr;
};

template <class T, class... Args>
Ref<T> Make(Args&&... args) {
  return Ref<T>(new T(std::forward<Args>(args)...));
}

template <class... I>
class HostObject : public I... {
 public:
  virtual ~HostObject() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch) *out = static_cast<First*>(this);
    ((*out = *out ? *out : (iid == __uuidof(I) ? static_cast<I*>(this) : nullptr)), ...);
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
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

 private:
  using First = std::tuple_element_t<0, std::tuple<I...>>;
  std::atomic<ULONG> references_{1};
};

inline BSTR NewText(const std::wstring& text) { return SysAllocStringLen(text.data(), static_cast<UINT>(text.size())); }
inline std::wstring TextOf(BSTR text) { return std::wstring(text ? text : L"", SysStringLen(text)); }
inline void SetText(BSTR* place, const std::wstring& text) {
  SysFreeString(*place);
  *place = NewText(text);
}

// A failure as the host's language raises it: number n as 0x800A0000 + n, with the
// source and description in this thread's error info.
HRESULT RaiseHostError(int number, const std::wstring& source, const std::wstring& description);

}  // namespace comhost
