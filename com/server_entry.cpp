// The four entry points of the in-process server.
#include <mutex>

#include "com/class_factory.h"
#include "com/com_errors.h"
#include "com/object_bridge.h"
#include "com/registration.h"
#include "com/server_classes.h"
#include "com/server_module.h"
#include "vx4820cal/component.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {
namespace {

// The host's creatable class as the core's factory: CoCreateInstance on the calling
// thread, the result seen through the adapters.
HostClassFactory CreatedWith(std::string_view class_id) {
  CLSID clsid = {};
  std::wstring text(class_id.begin(), class_id.end());
  CLSIDFromString(text.c_str(), &clsid);
  return [clsid]() -> ObjectRef {
    ComPtr<IUnknown> object;
    // As the host's language reports a class it cannot create: 429.
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(object.Out())))) {
      throw RuntimeError(err::kCannotCreateObject);
    }
    return CoreFromCom(object.Get());
  };
}

// Once: the host classes the core creates by name (provider-info records, sort
// tables); and the DLL stays loaded for the life of the process, because the module
// state of every thread (the terminator, the parameter store, ...) holds core objects
// whose release runs the DLL's code when that thread ends, after DllCanUnloadNow.
void StartServer() {
  static std::once_flag once;
  std::call_once(once, [] {
    HMODULE pinned = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&StartServer), &pinned);
    using vx4820cal::IprovInfo;
    using vx4820cal::XArrayDBObject;
    RegisterHostClass(IprovInfo::kHostClassName, CreatedWith(IprovInfo::kHostClassID));
    RegisterHostClass(XArrayDBObject::kHostClassName, CreatedWith(XArrayDBObject::kHostClassID));
  });
}

}  // namespace
}  // namespace vx4820cal::com

using namespace vx4820cal::com;

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  const ServerClass* server_class = FindServerClass(clsid);
  if (!server_class) return CLASS_E_CLASSNOTAVAILABLE;
  return Guarded(IID_IClassFactory, [&] {
    StartServer();
    ComPtr<IClassFactory> factory = ComPtr<IClassFactory>::Attach(new ClassFactory(server_class->name));
    Check(factory->QueryInterface(iid, out));
  });
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() { return ServerInUse() ? S_FALSE : S_OK; }

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer() { return RegisterServer(); }

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer() { return UnregisterServer(); }
