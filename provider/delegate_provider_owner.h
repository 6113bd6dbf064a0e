#pragma once
// The provider owner of the delegate tier, which answers the calls this tier hands on.
#include <memory>

#include "vx4820cal/interfaces/iproviderowner.h"

namespace vx4820cal {

// Fails with 91 when no delegate tier is set or it has no provider owner.
std::shared_ptr<IproviderOwner> DelegateProviderOwner();

}  // namespace vx4820cal
