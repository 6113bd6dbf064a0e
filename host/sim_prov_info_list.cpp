#include "host/sim_prov_info_list.h"

#include <utility>
#include <vector>

#include "vx4820cal/interfaces/ienumerator.h"

namespace vx4820cal::simhost {
namespace {

class SimProvInfoEnumerator : public Ienumerator {
 public:
  explicit SimProvInfoEnumerator(std::vector<std::shared_ptr<IprovInfo>> items) : items_(std::move(items)) {}
  bool Next(Variant& item) override {
    if (next_ >= items_.size()) return false;
    item = Variant(items_[next_++]);
    return true;
  }

 private:
  std::vector<std::shared_ptr<IprovInfo>> items_;
  size_t next_ = 0;
};

}  // namespace

void SimProvInfoList::Add(std::shared_ptr<IprovInfo> objProvInfo, std::string strKey) {
  items_.Add(std::move(objProvInfo), strKey);
}

std::shared_ptr<IprovInfo> SimProvInfoList::Item(const Variant& vntIndexKey) { return items_.Item(vntIndexKey); }

int32_t SimProvInfoList::Count() { return items_.Count(); }

void SimProvInfoList::Remove(const Variant& vntIndexKey) { items_.Remove(vntIndexKey); }

ObjectRef SimProvInfoList::NewEnum() {
  std::vector<std::shared_ptr<IprovInfo>> snapshot;
  items_.ForEach([&](const std::shared_ptr<IprovInfo>& item) { snapshot.push_back(item); });
  return std::make_shared<SimProvInfoEnumerator>(std::move(snapshot));
}

bool SimProvInfoList::Exists(std::string strKey) {
  std::shared_ptr<IprovInfo>* found = items_.Find(strKey);
  return found != nullptr && *found != nullptr;
}

}  // namespace vx4820cal::simhost
