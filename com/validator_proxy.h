#pragma once
// The host's validator as the core's Ivalidator: only held and passed on.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class ValidatorProxy final : public vx4820cal::Ivalidator, public HostProxy<::Ivalidator> {
 public:
  using HostProxy::HostProxy;
};

}  // namespace vx4820cal::com
