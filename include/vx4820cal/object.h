#pragma once
// Every object the component and its host exchange derives from Object, so that
// one reference type can hold any of them and be viewed as another interface.
#include <memory>

namespace vx4820cal {

class Object {
 public:
  virtual ~Object() = default;
};

using ObjectRef = std::shared_ptr<Object>;

}  // namespace vx4820cal
