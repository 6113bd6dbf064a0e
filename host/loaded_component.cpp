#include "host/loaded_component.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace vx4820cal::simhost {
namespace {

std::string LastLoaderError() {
  const char* text = dlerror();
  return text ? text : "unknown loader error";
}

}  // namespace

std::filesystem::path LibraryInFolder(const std::filesystem::path& folder) { return folder / kLibraryFileName; }

LoadedComponent::LoadedComponent(const std::filesystem::path& library) : library_(library) {
  // Never unmapped: the component keeps per-thread state (the last tier, the field
  // metadata) that lives until its thread ends, well past this handle.
  handle_ = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!handle_) throw std::runtime_error("cannot load " + library.string() + ": " + LastLoaderError());
  auto entry = reinterpret_cast<const ComponentApi* (*)()>(dlsym(handle_, kComponentApiSymbol));
  api_ = entry ? entry() : nullptr;
  if (!api_ || api_->version != kComponentApiVersion) {
    dlclose(handle_);
    throw std::runtime_error(library.string() + " offers no " + kComponentApiSymbol + " of version " +
                             std::to_string(kComponentApiVersion));
  }
}

LoadedComponent::~LoadedComponent() { dlclose(handle_); }

}  // namespace vx4820cal::simhost
