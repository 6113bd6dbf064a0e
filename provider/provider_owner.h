#pragma once
// The tier's provider owner: band questions and the hooks around the host's providers.
#include <memory>

#include "vx4820cal/interfaces/iproviderowner.h"

namespace vx4820cal {

std::shared_ptr<IproviderOwner> NewProviderOwner();

}  // namespace vx4820cal
