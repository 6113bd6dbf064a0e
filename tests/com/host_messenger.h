#pragma once
// The host's messenger (status, settings, its message boxes, the connected radio,
// its other tiers), its validator, the schema module (reached only by name) and the
// sink of the tier's event.
#include <deque>
#include <map>
#include <vector>

#include "host_object.h"

namespace comhost {

class Messenger final : public HostObject<Imessenger> {
 public:
  LONG status = 0;
  std::map<std::wstring, std::wstring> settings;
  std::deque<LONG> answers;          // the person's answers to the boxes, in order
  std::vector<LONG> answered;        // the answers given so far
  std::vector<std::wstring> titles;  // the boxes' titles
  std::vector<std::pair<LONG, LONG>> port_commands;
  int failures_reported = 0;
  std::wstring radio[8];
  bool radio_info_fails = false;
  std::map<std::wstring, Ref<::Itier>> tiers;

  HRESULT STDMETHODCALLTYPE GetStatus(LONG* out) override;
  HRESULT STDMETHODCALLTYPE GetSetting(BSTR name, BSTR fallback, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE MessageBox(BSTR prompt, LONG buttons, BSTR title, BSTR fourth, LONG* answer) override;
  HRESULT STDMETHODCALLTYPE ReportFailure() override;
  HRESULT STDMETHODCALLTYPE PortCommand(LONG flag, LONG port, LONG* out) override;
  HRESULT STDMETHODCALLTYPE GetConnectedRadioInfo(BSTR* s1, BSTR* s2, BSTR* s3, BSTR* s4, BSTR* s5, BSTR* s6, BSTR* s7,
                                                  BSTR* s8) override;
  HRESULT STDMETHODCALLTYPE NotifyField(BSTR*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetTierByName(BSTR name, ::Itier** out) override;
};

class HostValidator final : public HostObject<Ivalidator> {};

// Offers only IDispatch: CreateSchemaFile(path) by name.
class SchemaModule final : public IDispatch {
 public:
  std::vector<std::wstring> schema_files;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                   UINT*) override;

 private:
  std::atomic<ULONG> references_{1};
};

// The host's sink of __clsVX4820CALTier: counts TerminateApplication (dispatch id 1).
class EventSink final : public IDispatch {
 public:
  int terminations = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

 private:
  std::atomic<ULONG> references_{1};
};

}  // namespace comhost
