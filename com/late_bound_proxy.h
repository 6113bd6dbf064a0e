#pragma once
// Any other host object (the schema module): operations called by name through its
// IDispatch, as the core's IlateBound.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class LateBoundProxy final : public IlateBound, public HostProxy<IDispatch> {
 public:
  using HostProxy::HostProxy;
  Variant Invoke(const std::string& strMethod, std::vector<Variant>& args) override;
};

}  // namespace vx4820cal::com
