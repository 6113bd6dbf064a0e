#include "host/sim_prov_info_list.h"

#include <utility>
#include <vector>

#include "vx4820cal/snapshot_enumerator.h"

namespace vx4820cal::simhost {
void SimProvInfoList::Add(std::shared_ptr<IprovInfo> objProvInfo, std::string strKey) {
  items_.Add(std::move(objProvInfo), strKey);
}

std::shared_ptr<IprovInfo> SimProvInfoList::Item(const Variant& vntIndexKey) { return items_.Item(vntIndexKey); }

int32_t SimProvInfoList::Count() { return items_.Count(); }

void SimProvInfoList::Remove(const Variant& vntIndexKey) { items_.Remove(vntIndexKey); }

ObjectRef SimProvInfoList::NewEnum() { return EnumerateSnapshot(items_); }

bool SimProvInfoList::Exists(std::string strKey) {
  std::shared_ptr<IprovInfo>* found = items_.Find(strKey);
  return found != nullptr && *found != nullptr;
}

}  // namespace vx4820cal::simhost
