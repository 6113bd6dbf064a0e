#pragma once
// The component as a host loads it: its library opened with dlopen (LoadLibraryW on
// Windows) and everything reached through the one entry point, never by linking it.
#include <filesystem>

#include "vx4820cal/component.h"

namespace vx4820cal::simhost {

// The library file a component folder holds.
#ifdef _WIN32
inline constexpr const char* kLibraryFileName = "vx4820cal.dll";
#else
inline constexpr const char* kLibraryFileName = "libvx4820cal.so";
#endif
std::filesystem::path LibraryInFolder(const std::filesystem::path& folder);

class LoadedComponent {
 public:
  // Opens the library and finds its entry point; std::runtime_error when it cannot be
  // loaded or speaks another version of the API.
  explicit LoadedComponent(const std::filesystem::path& library);
  ~LoadedComponent();
  LoadedComponent(const LoadedComponent&) = delete;
  LoadedComponent& operator=(const LoadedComponent&) = delete;

  const ComponentApi& Api() const { return *api_; }
  const std::filesystem::path& Library() const { return library_; }

 private:
  std::filesystem::path library_;
  void* handle_ = nullptr;
  const ComponentApi* api_ = nullptr;
};

}  // namespace vx4820cal::simhost
