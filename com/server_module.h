#pragma once
// The server's module: its live objects and locks (DllCanUnloadNow answers from
// them), its own file, and the type information its IDispatch implementations use.
#include <string>

#include "com/com_headers.h"

namespace vx4820cal::com {

void ObjectCreated();
void ObjectDestroyed();
void LockServer(bool lock);
bool ServerInUse();

// The DLL's own module and the path of its file.
HMODULE ServerModule();
std::wstring ServerPath();

// Resource numbers of the two type libraries embedded in the DLL.
inline constexpr int kComponentTypeLibrary = 1;
inline constexpr int kHostTypeLibrary = 2;

// The type information of one of the interfaces the component implements, from the
// embedded type libraries; loaded once and kept for the life of the process.
ITypeInfo* TypeInfoFor(REFIID iid);

}  // namespace vx4820cal::com
