#pragma once
// Calling a host object's operation by name.
#include <string>
#include <vector>

#include "common/object_access.h"
#include "vx4820cal/interfaces/ilatebound.h"

namespace vx4820cal {

// Fails with 438 when the object takes no calls by name.
inline Variant CallByName(const ObjectRef& object, const std::string& method, std::vector<Variant> args) {
  auto late_bound = std::dynamic_pointer_cast<IlateBound>(Required(object));
  if (!late_bound) throw RuntimeError(err::kNoSuchMethod);
  return late_bound->Invoke(method, args);
}

}  // namespace vx4820cal
