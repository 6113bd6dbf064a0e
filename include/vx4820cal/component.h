#pragma once
// The component as a loadable library: creation by class name, its folder, and the
// services an embedding host installs (message boxes, its own creatable classes).
// A host that loads the library with dlopen reaches all of it through one symbol,
// vx4820cal_GetComponentApi.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "vx4820cal/object.h"

namespace vx4820cal {

// Shows a modal message box and answers the button pressed (1 OK, 6 Yes, 7 No).
class VX4820CAL_API MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual int32_t Show(const std::string& text, const std::string& title, int32_t style) = 0;
};

using HostClassFactory = std::function<ObjectRef()>;

// Creates "clsVX4820CALTier" or "clsCalibrationParameters"; any other name fails
// with error 429.
VX4820CAL_API ObjectRef CreateObject(std::string_view class_name);

// The folder of the loaded library file, unless a host set another: a folder set for
// this thread wins over one set for the process.
VX4820CAL_API std::filesystem::path ComponentFolder();
VX4820CAL_API void SetComponentFolder(const std::filesystem::path& folder);        // empty: back to the library's
VX4820CAL_API void SetThreadComponentFolder(const std::filesystem::path& folder);  // empty: back to the process's

// Message boxes of this thread go to service; none puts back the default, which
// writes the title and text to stderr and answers OK.
VX4820CAL_API void InstallMessageBoxService(std::shared_ptr<MessageBoxService> service);

// The host's own classes that the component creates by name ("clsProvInfo",
// "XArrayDBObject"). Registration is process-wide.
VX4820CAL_API void RegisterHostClass(std::string_view class_name, HostClassFactory factory);
VX4820CAL_API ObjectRef CreateHostObject(std::string_view class_name);  // error 429 when not registered

// Fixes the user's decimal separator for this thread (tests, hosts with their own
// locale handling); nullopt goes back to the user's locale.
VX4820CAL_API void SetDecimalSymbolOverride(std::optional<std::string> symbol);

struct ComponentApi {
  int32_t version;
  ObjectRef (*CreateObject)(std::string_view class_name);
  std::filesystem::path (*ComponentFolder)();
  void (*SetComponentFolder)(const std::filesystem::path& folder);
  void (*SetThreadComponentFolder)(const std::filesystem::path& folder);
  void (*InstallMessageBoxService)(std::shared_ptr<MessageBoxService> service);
  void (*RegisterHostClass)(std::string_view class_name, HostClassFactory factory);
  void (*SetDecimalSymbolOverride)(std::optional<std::string> symbol);
};

inline constexpr int32_t kComponentApiVersion = 1;
inline constexpr const char* kComponentApiSymbol = "vx4820cal_GetComponentApi";

}  // namespace vx4820cal

extern "C" VX4820CAL_API const vx4820cal::ComponentApi* vx4820cal_GetComponentApi();
