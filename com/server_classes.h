#pragma once
// The classes a host can create, with their identifiers and ProgIDs, and the
// component's type library.
#include <array>
#include <string>

#include "com/com_headers.h"

namespace vx4820cal::com {

struct ServerClass {
  const char* name;  // the class name the core creates by
  const wchar_t* prog_id;
  const CLSID* clsid;
};

const std::array<ServerClass, 2>& ServerClasses();
// The class of that identifier, or none.
const ServerClass* FindServerClass(REFCLSID clsid);

std::wstring GuidText(REFGUID guid);

}  // namespace vx4820cal::com
