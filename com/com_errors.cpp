#include "com/com_errors.h"

#include "com/bstr_text.h"
#include "com/com_ptr.h"

namespace vx4820cal::com {
namespace {

constexpr uint32_t kLanguageErrorBase = 0x800A0000u;

std::string SystemText(HRESULT hr) {
  wchar_t* text = nullptr;
  DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n')) --length;
  BSTR wide = SysAllocStringLen(text, length);
  LocalFree(text);
  std::string out = Utf8FromBstr(wide);
  SysFreeString(wide);
  return out.empty() ? "Automation error" : out;
}

}  // namespace

HRESULT HResultForNumber(int32_t number) {
  if (number < 0) return static_cast<HRESULT>(number);  // already an HRESULT
  return static_cast<HRESULT>(kLanguageErrorBase | (static_cast<uint32_t>(number) & 0xFFFFu));
}

int32_t NumberForHResult(HRESULT hr) {
  uint32_t code = static_cast<uint32_t>(hr);
  if ((code & 0xFFFF0000u) == kLanguageErrorBase) return static_cast<int32_t>(code & 0xFFFFu);
  return static_cast<int32_t>(hr);
}

HRESULT ReportToCaller(const Error& error, REFIID iid) {
  ComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(CreateErrorInfo(create.Out()))) {
    Bstr source(error.Source()), description(error.Description());
    create->SetGUID(iid);
    create->SetSource(source.Get());
    create->SetDescription(description.Get());
    ComPtr<IErrorInfo> info = create.As<IErrorInfo>(IID_IErrorInfo);
    SetErrorInfo(0, info.Get());
  }
  return HResultForNumber(error.Number());
}

Error ErrorFromHResult(HRESULT hr) {
  int32_t number = NumberForHResult(hr);
  ComPtr<IErrorInfo> info;
  std::string source = kComponentName, description;
  if (GetErrorInfo(0, info.Out()) == S_OK && info) {
    Bstr host_source, host_description;
    if (SUCCEEDED(info->GetSource(host_source.Out())) && SysStringLen(host_source.Get()) > 0) {
      source = host_source.Utf8();
    }
    if (SUCCEEDED(info->GetDescription(host_description.Out()))) description = host_description.Utf8();
  }
  if (description.empty()) description = number == static_cast<int32_t>(hr) ? SystemText(hr) : RuntimeErrorText(number);
  return Error(number, std::move(source), std::move(description));
}

}  // namespace vx4820cal::com
