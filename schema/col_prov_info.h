#pragma once
// The component's collection of provider-info records (colProvInfo, seen by the host
// as IcolProvInfo), and an in-order walk over any such collection, the host's too.
#include <memory>

#include "common/object_access.h"
#include "vx4820cal/interfaces/icolprovinfo.h"
#include "vx4820cal/interfaces/ienumerator.h"
#include "vx4820cal/interfaces/iprovinfo.h"

namespace vx4820cal {

// A new, empty colProvInfo.
std::shared_ptr<IcolProvInfo> NewColProvInfo();

// Calls visit with each element in order until it answers false. An element that is
// no provider-info record fails with 13, a collection that is none with 91.
template <class Visit>
void ForEachProvInfo(const std::shared_ptr<IcolProvInfo>& collection, Visit&& visit) {
  std::shared_ptr<Ienumerator> enumerator = ViewAs<Ienumerator>(Required(collection)->NewEnum());
  Variant item;
  while (enumerator->Next(item)) {
    if (!item.IsObject()) throw RuntimeError(err::kTypeMismatch);
    if (!visit(ViewAs<IprovInfo>(item.AsObjectUnchecked()))) return;
  }
}

}  // namespace vx4820cal
