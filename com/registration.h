#pragma once
// What DllRegisterServer writes under HKEY_CLASSES_ROOT, and DllUnregisterServer
// removes again: for each class its CLSID key (InprocServer32 = the DLL's path,
// ThreadingModel Apartment, ProgID, TypeLib, Version) and its ProgID key, and the
// type library's TypeLib key (version 1.0, the DLL's path as win32/win64). Nothing
// else: the host's interfaces stay as the host's own type library registered them.
#include "com/com_headers.h"

namespace vx4820cal::com {

HRESULT RegisterServer();
HRESULT UnregisterServer();

}  // namespace vx4820cal::com
