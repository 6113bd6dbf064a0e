#include "provider/delegate_provider_owner.h"

#include "common/object_access.h"
#include "common/project_globals.h"
#include "vx4820cal/interfaces/itier.h"

namespace vx4820cal {

std::shared_ptr<IproviderOwner> DelegateProviderOwner() {
  return Required(RequiredDelegateTier()->ProviderOwner());
}

}  // namespace vx4820cal
