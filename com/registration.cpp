#include "com/registration.h"

#include <string>

#include "com/server_classes.h"
#include "com/server_module.h"

namespace vx4820cal::com {
namespace {

#ifdef _WIN64
constexpr const wchar_t* kPlatform = L"win64";
#else
constexpr const wchar_t* kPlatform = L"win32";
#endif

// Sets a value (an empty name: the key's default) under HKCR\key, making the key.
bool SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  LONG result = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return result == ERROR_SUCCESS;
}

bool RemoveTree(const std::wstring& key) {
  LONG result = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
  if (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) {
    RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
    return true;
  }
  return false;
}

std::wstring LibraryKey() { return L"TypeLib\\" + GuidText(LIBID_VX4820CAL); }

bool RegisterClass(const ServerClass& server_class, const std::wstring& path) {
  std::wstring clsid = GuidText(*server_class.clsid);
  std::wstring key = L"CLSID\\" + clsid;
  return SetValue(key, nullptr, server_class.prog_id) && SetValue(key + L"\\InprocServer32", nullptr, path) &&
         SetValue(key + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
         SetValue(key + L"\\ProgID", nullptr, server_class.prog_id) &&
         SetValue(key + L"\\TypeLib", nullptr, GuidText(LIBID_VX4820CAL)) &&
         SetValue(key + L"\\Version", nullptr, L"1.0") &&
         SetValue(server_class.prog_id, nullptr, server_class.prog_id) &&
         SetValue(std::wstring(server_class.prog_id) + L"\\CLSID", nullptr, clsid);
}

bool RegisterTypeLibrary(const std::wstring& path) {
  std::wstring key = LibraryKey() + L"\\1.0";
  std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
  return SetValue(key, nullptr, L"VX4820CAL") && SetValue(key + L"\\FLAGS", nullptr, L"0") &&
         SetValue(key + L"\\HELPDIR", nullptr, folder) && SetValue(key + L"\\0\\" + kPlatform, nullptr, path);
}

}  // namespace

HRESULT RegisterServer() {
  std::wstring path = ServerPath();
  bool written = RegisterTypeLibrary(path);
  for (const ServerClass& server_class : ServerClasses()) written = written && RegisterClass(server_class, path);
  if (written) return S_OK;
  UnregisterServer();  // leave nothing half-registered
  return SELFREG_E_CLASS;
}

HRESULT UnregisterServer() {
  bool removed = true;
  for (const ServerClass& server_class : ServerClasses()) {
    removed = RemoveTree(L"CLSID\\" + GuidText(*server_class.clsid)) && removed;
    removed = RemoveTree(server_class.prog_id) && removed;
  }
  removed = RemoveTree(LibraryKey() + L"\\1.0") && removed;
  // The library's own key goes when no other version of it is left.
  RegDeleteKeyW(HKEY_CLASSES_ROOT, LibraryKey().c_str());
  return removed ? S_OK : SELFREG_E_CLASS;
}

}  // namespace vx4820cal::com
