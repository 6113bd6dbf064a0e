#pragma once
// One object, one face on each side. A core object handed to the host is wrapped as
// a COM object (the same wrapper while it lives, so the host sees one identity); a
// wrapper coming back is unwrapped to its core object. A host object handed to the
// core is wrapped as the core's C++ interface it offers, and unwrapped on its way out.
#include <memory>

#include "com/com_headers.h"
#include "com/com_ptr.h"
#include "vx4820cal/error.h"
#include "vx4820cal/object.h"

// Answered by the component's own COM objects only: the core object behind them.
MIDL_INTERFACE("F0F1C2A7-2C93-4C1E-9A39-0D4B7E5A6C11")
ICoreObject : public IUnknown { virtual vx4820cal::ObjectRef STDMETHODCALLTYPE CoreObject() = 0; };
__CRT_UUID_DECL(ICoreObject, 0xf0f1c2a7, 0x2c93, 0x4c1e, 0x9a, 0x39, 0x0d, 0x4b, 0x7e, 0x5a, 0x6c, 0x11)

namespace vx4820cal::com {

// Implemented by the core-side wrappers of host objects.
class HostBacked {
 public:
  virtual ~HostBacked() = default;
  virtual IUnknown* HostObject() const = 0;
};

// The COM face of a core object (none for none).
ComPtr<IUnknown> ComFromCore(const ObjectRef& object);
// The core object behind a COM object (none for none).
ObjectRef CoreFromCom(IUnknown* object);

// The COM face viewed as interface I; an object without it fails with 13.
template <class I>
ComPtr<I> ComAs(const ObjectRef& object) {
  ComPtr<IUnknown> face = ComFromCore(object);
  if (!face) return {};
  ComPtr<I> view = face.template As<I>(__uuidof(I));
  if (!view) throw RuntimeError(err::kTypeMismatch);
  return view;
}

// Writes the COM face to an [out] place, handing the reference to the caller.
template <class I>
void StoreOut(I** place, const ObjectRef& object) {
  I* fresh = ComAs<I>(object).Detach();
  if (*place) (*place)->Release();
  *place = fresh;
}

// The core object behind a COM object, viewed as T; one without it fails with 13.
template <class T>
std::shared_ptr<T> CoreAs(IUnknown* object) {
  ObjectRef core = CoreFromCom(object);
  if (!core) return nullptr;
  auto view = std::dynamic_pointer_cast<T>(core);
  if (!view) throw RuntimeError(err::kTypeMismatch);
  return view;
}

// The identity registry of this thread's wrappers of core objects.
void RememberWrapper(const Object* core, IUnknown* wrapper);
void ForgetWrapper(const Object* core);

}  // namespace vx4820cal::com
