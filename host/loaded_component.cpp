#include "host/loaded_component.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <stdexcept>
#include <string>

namespace vx4820cal::simhost {
namespace {

#ifdef _WIN32
// Never unloaded: the component keeps per-thread state that outlives this handle.
void* OpenLibrary(const std::filesystem::path& library) { return ::LoadLibraryW(library.c_str()); }
void* EntryPoint(void* handle) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle), kComponentApiSymbol));
}
void CloseLibrary(void*) {}
std::string LastLoaderError() { return "system error " + std::to_string(::GetLastError()); }
#else
// Never unmapped: the component keeps per-thread state (the last tier, the field
// metadata) that lives until its thread ends, well past this handle.
void* OpenLibrary(const std::filesystem::path& library) {
  return dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
}
void* EntryPoint(void* handle) { return dlsym(handle, kComponentApiSymbol); }
void CloseLibrary(void* handle) { dlclose(handle); }
std::string LastLoaderError() {
  const char* text = dlerror();
  return text ? text : "unknown loader error";
}
#endif

}  // namespace

std::filesystem::path LibraryInFolder(const std::filesystem::path& folder) { return folder / kLibraryFileName; }

LoadedComponent::LoadedComponent(const std::filesystem::path& library) : library_(library) {
  handle_ = OpenLibrary(library);
  if (!handle_) throw std::runtime_error("cannot load " + library.string() + ": " + LastLoaderError());
  auto entry = reinterpret_cast<const ComponentApi* (*)()>(EntryPoint(handle_));
  api_ = entry ? entry() : nullptr;
  if (!api_ || api_->version != kComponentApiVersion) {
    CloseLibrary(handle_);
    throw std::runtime_error(library.string() + " offers no " + kComponentApiSymbol + " of version " +
                             std::to_string(kComponentApiVersion));
  }
}

LoadedComponent::~LoadedComponent() { CloseLibrary(handle_); }

}  // namespace vx4820cal::simhost
