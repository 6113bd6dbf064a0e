#include "com/server_module.h"

#include <atomic>
#include <map>
#include <mutex>

#include "com/com_errors.h"
#include "com/com_ptr.h"

namespace vx4820cal::com {
namespace {

std::atomic<long> objects{0};
std::atomic<long> locks{0};

struct GuidLess {
  bool operator()(const GUID& a, const GUID& b) const { return memcmp(&a, &b, sizeof(GUID)) < 0; }
};

ITypeLib* LoadEmbedded(int resource) {
  std::wstring path = ServerPath() + L"\\" + std::to_wstring(resource);
  ITypeLib* library = nullptr;
  Check(LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library));
  return library;
}

}  // namespace

void ObjectCreated() { ++objects; }
void ObjectDestroyed() { --objects; }
void LockServer(bool lock) { lock ? ++locks : --locks; }
bool ServerInUse() { return objects.load() > 0 || locks.load() > 0; }

HMODULE ServerModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ServerModule), &module);
  return module;
}

std::wstring ServerPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(ServerModule(), path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

ITypeInfo* TypeInfoFor(REFIID iid) {
  // Type libraries are free-threaded; the pointers are kept, never released, so that
  // no release runs after the apartments have gone at process exit.
  static std::mutex guard;
  static std::map<GUID, ITypeInfo*, GuidLess> infos;
  static ITypeLib* libraries[2] = {};
  std::lock_guard<std::mutex> lock(guard);
  auto found = infos.find(iid);
  if (found != infos.end()) return found->second;
  for (int i = 0; i < 2; ++i) {
    if (!libraries[i]) libraries[i] = LoadEmbedded(i == 0 ? kHostTypeLibrary : kComponentTypeLibrary);
    ITypeInfo* info = nullptr;
    if (SUCCEEDED(libraries[i]->GetTypeInfoOfGuid(iid, &info))) return infos[iid] = info;
  }
  throw RuntimeError(err::kTypeMismatch);
}

}  // namespace vx4820cal::com
