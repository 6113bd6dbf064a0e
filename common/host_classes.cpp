// The host's classes that the component creates by name.
#include <map>
#include <mutex>
#include <string>

#include "common/text.h"
#include "vx4820cal/component.h"
#include "vx4820cal/error.h"

namespace vx4820cal {
namespace {

std::mutex gHostClassMutex;
std::map<std::string, HostClassFactory>& HostClasses() {
  static std::map<std::string, HostClassFactory> classes;
  return classes;
}

}  // namespace

void RegisterHostClass(std::string_view class_name, HostClassFactory factory) {
  std::lock_guard<std::mutex> lock(gHostClassMutex);
  if (factory) {
    HostClasses()[UCase(class_name)] = std::move(factory);
  } else {
    HostClasses().erase(UCase(class_name));
  }
}

ObjectRef CreateHostObject(std::string_view class_name) {
  HostClassFactory factory;
  {
    std::lock_guard<std::mutex> lock(gHostClassMutex);
    auto it = HostClasses().find(UCase(class_name));
    if (it != HostClasses().end()) factory = it->second;
  }
  if (!factory) {
    throw Error(err::kCannotCreateObject, kComponentName,
                "Cannot create object: the host has no class named \"" + std::string(class_name) + "\"");
  }
  ObjectRef object = factory();
  if (!object) throw RuntimeError(err::kCannotCreateObject);
  return object;
}

}  // namespace vx4820cal
