#include "provider/provider_owner.h"

namespace vx4820cal {

// Placeholder until the provider owner lands: creation yields none.
std::shared_ptr<IproviderOwner> NewProviderOwner() { return nullptr; }

}  // namespace vx4820cal
