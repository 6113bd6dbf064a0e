#pragma once
// A host IEnumVARIANT as the core's Ienumerator.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class EnumeratorProxy final : public Ienumerator, public HostProxy<IEnumVARIANT> {
 public:
  using HostProxy::HostProxy;
  bool Next(Variant& item) override;
};

}  // namespace vx4820cal::com
