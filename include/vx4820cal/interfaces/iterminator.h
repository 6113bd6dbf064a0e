#pragma once
#include <string_view>

#include "vx4820cal/object.h"

namespace vx4820cal {

// Asked by the component's error reporting to end the application.
class VX4820CAL_API Iterminator : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{30A22B79-A844-4715-BBF7-D16D38869F5A}";
  virtual void TerminateApplication() = 0;
};

}  // namespace vx4820cal
