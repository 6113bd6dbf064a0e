#include "tier/local_tier_support.h"

#include "common/error_convention.h"
#include "common/object_access.h"
#include "common/project_globals.h"

namespace vx4820cal {

thread_local std::shared_ptr<IcalParameters> gobjCalParameters;
thread_local std::shared_ptr<clsLocalTierSupport> gobjLocalTierSupport;

std::shared_ptr<Itier> clsLocalTierSupport::DelegateTier() {
  return TrapAndReport("DelegateTier", std::shared_ptr<Itier>(), [&] { return delegate_tier_; });
}

void clsLocalTierSupport::DelegateTier(std::shared_ptr<Itier> objTier) {
  TrapAndReport("DelegateTier", [&] { delegate_tier_ = std::move(objTier); });
}

std::shared_ptr<Itier> RequiredDelegateTier() {
  // Copy the holder: a call on the delegate may end in Terminate, which drops it.
  std::shared_ptr<clsLocalTierSupport> support = gobjLocalTierSupport;
  return Required(Required(support)->DelegateTier());
}

}  // namespace vx4820cal
