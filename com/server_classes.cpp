#include "com/server_classes.h"

namespace vx4820cal::com {

const std::array<ServerClass, 2>& ServerClasses() {
  static const std::array<ServerClass, 2> classes = {{
      {"clsVX4820CALTier", L"VX4820CAL.clsVX4820CALTier", &CLSID_clsVX4820CALTier},
      {"clsCalibrationParameters", L"VX4820CAL.clsCalibrationParameters", &CLSID_clsCalibrationParameters},
  }};
  return classes;
}

const ServerClass* FindServerClass(REFCLSID clsid) {
  for (const ServerClass& server_class : ServerClasses()) {
    if (IsEqualCLSID(clsid, *server_class.clsid)) return &server_class;
  }
  return nullptr;
}

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

}  // namespace vx4820cal::com
