#pragma once
// The tier's provider owner: band questions and the hooks around the host's providers.
// Most calls go on to the delegate tier's provider owner; the rest are small
// decisions of this tier (provider_hooks.h).
#include <memory>

#include "vx4820cal/interfaces/iproviderowner.h"
#include "vx4820cal/interfaces/itier.h"

namespace vx4820cal {

std::shared_ptr<IproviderOwner> NewProviderOwner();

}  // namespace vx4820cal
