#pragma once
// The host's tier data: provider-info records made by its class clsProvInfo, their
// version collections, providers with fields, and its array object.
#include <map>
#include <memory>
#include <vector>

#include "host_object.h"

namespace comhost {

class Field final : public HostObject<Ifield> {
 public:
  HRESULT STDMETHODCALLTYPE get_State(LONG* State) override;
  HRESULT STDMETHODCALLTYPE get_Value(LONG record, VARIANT* Value) override;
  HRESULT STDMETHODCALLTYPE put_Value(LONG record, VARIANT value) override;
  ~Field() override;

 private:
  std::map<LONG, VARIANT> values_;
};

class Provider final : public HostObject<Iprovider> {
 public:
  HRESULT STDMETHODCALLTYPE GetListID(BSTR* UIID, short* ListID) override;
  HRESULT STDMETHODCALLTYPE Field(BSTR name, ::Ifield** out) override;

  void SetListID(const std::wstring& uiid, short list) { lists_[uiid] = list; }
  Ref<comhost::Field> FieldNamed(const std::wstring& name);

 private:
  std::map<std::wstring, short> lists_;
  std::map<std::wstring, Ref<comhost::Field>> fields_;
};

struct Version {
  std::wstring key, next_key, menu_name;
  bool in_menu = false;
};

// What the host knows of the tier's models: per model its chain of versions, oldest
// first; a provider per key; and how many records are alive.
struct TierData {
  std::map<std::wstring, std::vector<Version>> models;
  std::map<std::wstring, Ref<Provider>> providers;
  std::wstring version_text;
  std::atomic<int> live_records{0};

  void AddChain(const std::wstring& model, const std::wstring& tier_name, const std::vector<std::wstring>& versions);
  Ref<Provider> ProviderFor(const std::wstring& key);
};

class ProvInfo final : public HostObject<IprovInfo> {
 public:
  ProvInfo(std::shared_ptr<TierData> data, Version version = {});
  ~ProvInfo() override;
  HRESULT STDMETHODCALLTYPE get_MenuName(BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_InMenu(VARIANT_BOOL* out) override;
  HRESULT STDMETHODCALLTYPE get_Key(BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_NextKey(BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_Provider(::Iprovider** out) override;
  HRESULT STDMETHODCALLTYPE get_Versions(::IcolProvInfo** out) override;
  HRESULT STDMETHODCALLTYPE Init(BSTR component, BSTR model, BSTR empty, BSTR* version, VARIANT_BOOL* out) override;

 private:
  std::shared_ptr<TierData> data_;
  Version version_;
  std::wstring model_;
};

class ProvInfoList final : public HostObject<IcolProvInfo> {
 public:
  HRESULT STDMETHODCALLTYPE Add(::IprovInfo* item, BSTR key) override;
  HRESULT STDMETHODCALLTYPE Item(VARIANT index, ::IprovInfo** out) override;
  HRESULT STDMETHODCALLTYPE Count(LONG* out) override;
  HRESULT STDMETHODCALLTYPE Remove(VARIANT index) override;
  HRESULT STDMETHODCALLTYPE NewEnum(IUnknown** out) override;
  HRESULT STDMETHODCALLTYPE Exists(BSTR key, VARIANT_BOOL* out) override;

 private:
  std::vector<std::pair<std::wstring, Ref<::IprovInfo>>> items_;
};

// A walk over objects, as the host's collections hand it out.
class ObjectWalk final : public IEnumVARIANT {
 public:
  explicit ObjectWalk(std::vector<Ref<IDispatch>> items) : items_(std::move(items)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override;

 private:
  std::vector<Ref<IDispatch>> items_;
  size_t next_ = 0;
  std::atomic<ULONG> references_{1};
};

// The array object: rows by columns of variants, empty (upper bounds -1) at first.
class ArrayObject final : public HostObject<XArrayDBObject> {
 public:
  ~ArrayObject() override;
  HRESULT STDMETHODCALLTYPE get_Value(LONG row, LONG column, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE put_Value(LONG row, LONG column, VARIANT value) override;
  HRESULT STDMETHODCALLTYPE ReDim(LONG row_lower, LONG row_upper, LONG column_lower, LONG column_upper) override;
  HRESULT STDMETHODCALLTYPE Insert(LONG position, LONG count) override;
  HRESULT STDMETHODCALLTYPE QuickSort(LONG first, LONG last, short column, LONG order, LONG compare) override;
  HRESULT STDMETHODCALLTYPE UpperBound(LONG dimension, LONG* out) override;

  // The texts of the first column, in order.
  std::vector<std::wstring> Texts();

 private:
  VARIANT* Cell(LONG row, LONG column);
  void Clear();
  std::vector<std::vector<VARIANT>> rows_;
  LONG columns_ = 0;
};

// The class object of one host class, made from a function.
template <class Make>
class HostClass final : public IClassFactory {
 public:
  explicit HostClass(Make make) : make_(std::move(make)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = (iid == IID_IUnknown || iid == IID_IClassFactory) ? static_cast<IClassFactory*>(this) : nullptr;
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
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    IUnknown* object = make_();
    HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  Make make_;
  std::atomic<ULONG> references_{1};
};

// Registers a host class for this process; revoked when the registration goes.
class ClassRegistration {
 public:
  template <class Make>
  ClassRegistration(REFCLSID clsid, Make make) {
    Ref<IClassFactory> factory(new HostClass<Make>(std::move(make)));
    CoRegisterClassObject(clsid, factory.get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
  }
  ~ClassRegistration() { CoRevokeClassObject(cookie_); }
  ClassRegistration(const ClassRegistration&) = delete;
  ClassRegistration& operator=(const ClassRegistration&) = delete;

 private:
  DWORD cookie_ = 0;
};

}  // namespace comhost
