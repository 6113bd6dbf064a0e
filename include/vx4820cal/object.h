#pragma once
// Every object the component and its host exchange derives from Object, so that
// one reference type can hold any of them and be viewed as another interface.
#include <memory>

#include "vx4820cal/export.h"

namespace vx4820cal {

class VX4820CAL_API Object {
 public:
  virtual ~Object() = default;
};

using ObjectRef = std::shared_ptr<Object>;

}  // namespace vx4820cal
