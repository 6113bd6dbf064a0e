#pragma once
// The tier's outgoing event: the host subscribes a sink and is told when the
// component's error reporting asks to end the application.
#include <cstdint>
#include <memory>
#include <string_view>

#include "vx4820cal/object.h"

namespace vx4820cal {

// The host's sink for the tier's events (dispatch identifier 1: TerminateApplication).
class VX4820CAL_API IclsVX4820CALTierEvents : public virtual Object {
 public:
  virtual void TerminateApplication() = 0;
};

// Offered by the tier object. The tier holds each sink until it is unadvised.
class VX4820CAL_API ItierEventSource : public virtual Object {
 public:
  virtual int32_t Advise(std::shared_ptr<IclsVX4820CALTierEvents> sink) = 0;
  virtual void Unadvise(int32_t cookie) = 0;
};

}  // namespace vx4820cal
