#pragma once
#include <string_view>

#include "vx4820cal/object.h"

namespace vx4820cal {

// The host's validator: the component only holds it and passes it on.
class VX4820CAL_API Ivalidator : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{BE97B504-6AE8-4306-8E84-D468FB64577E}";
};

}  // namespace vx4820cal
