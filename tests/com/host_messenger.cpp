#include "host_messenger.h"

namespace comhost {

HRESULT Messenger::GetStatus(LONG* out) {
  *out = status;
  return S_OK;
}

HRESULT Messenger::GetSetting(BSTR name, BSTR fallback, BSTR* out) {
  auto found = settings.find(TextOf(name));
  *out = NewText(found == settings.end() ? TextOf(fallback) : found->second);
  return S_OK;
}

HRESULT Messenger::MessageBox(BSTR, LONG, BSTR title, BSTR, LONG* answer) {
  titles.push_back(TextOf(title));
  *answer = answers.empty() ? IDNO : answers.front();
  if (!answers.empty()) answers.pop_front();
  answered.push_back(*answer);
  return S_OK;
}

HRESULT Messenger::ReportFailure() {
  ++failures_reported;
  return S_OK;
}

HRESULT Messenger::PortCommand(LONG flag, LONG port, LONG* out) {
  port_commands.emplace_back(flag, port);
  *out = 0;
  return S_OK;
}

HRESULT Messenger::GetConnectedRadioInfo(BSTR* s1, BSTR* s2, BSTR* s3, BSTR* s4, BSTR* s5, BSTR* s6, BSTR* s7,
                                         BSTR* s8) {
  if (radio_info_fails) return RaiseHostError(48, L"Programming Application", L"No radio is connected");
  BSTR* places[] = {s1, s2, s3, s4, s5, s6, s7, s8};
  for (int i = 0; i < 8; ++i) SetText(places[i], radio[i]);
  return S_OK;
}

HRESULT Messenger::GetTierByName(BSTR name, ::Itier** out) {
  auto found = tiers.find(TextOf(name));
  *out = found == tiers.end() ? nullptr : found->second.give();
  return S_OK;
}

namespace {

constexpr DISPID kCreateSchemaFile = 1;
constexpr DISPID kTerminateApplication = 1;

template <class Self>
HRESULT DispatchOnly(Self* self, REFIID iid, void** out) {
  *out = (iid == IID_IUnknown || iid == IID_IDispatch) ? static_cast<IDispatch*>(self) : nullptr;
  if (!*out) return E_NOINTERFACE;
  self->AddRef();
  return S_OK;
}

}  // namespace

HRESULT SchemaModule::QueryInterface(REFIID iid, void** out) { return DispatchOnly(this, iid, out); }

ULONG SchemaModule::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT SchemaModule::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT SchemaModule::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (count != 1 || _wcsicmp(names[0], L"CreateSchemaFile") != 0) {
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  ids[0] = kCreateSchemaFile;
  return S_OK;
}

HRESULT SchemaModule::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                             UINT*) {
  if (id != kCreateSchemaFile || !(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
  VARIANT path;
  VariantInit(&path);
  HRESULT hr = VariantChangeType(&path, &params->rgvarg[0], 0, VT_BSTR);
  if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
  schema_files.push_back(TextOf(V_BSTR(&path)));
  VariantClear(&path);
  if (result) VariantInit(result);
  return S_OK;
}

HRESULT EventSink::QueryInterface(REFIID iid, void** out) {
  if (iid == DIID___clsVX4820CALTier) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  return DispatchOnly(this, iid, out);
}

ULONG EventSink::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT EventSink::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  if (id != kTerminateApplication) return DISP_E_MEMBERNOTFOUND;
  ++terminations;
  return S_OK;
}

}  // namespace comhost
