#include "schema/col_prov_info.h"

#include <string>
#include <utility>
#include <vector>

#include "common/error_convention.h"
#include "vx4820cal/collection.h"
#include "vx4820cal/snapshot_enumerator.h"

namespace vx4820cal {
namespace {

class colProvInfo final : public IcolProvInfo {
 public:
  void Add(std::shared_ptr<IprovInfo> objProvInfo, std::string strKey) override {
    TrapAndReport("IcolProvInfo_Add", [&] { items_.Add(std::move(objProvInfo), strKey); });
  }

  // Raised again at once, so that a missing element reaches the caller's own trap.
  std::shared_ptr<IprovInfo> Item(const Variant& vntIndexKey) override {
    return TrapAndRaiseAgain("IcolProvInfo_Item", [&] { return items_.Item(vntIndexKey); });
  }

  int32_t Count() override {
    return TrapAndReport("IcolProvInfo_Count", int32_t{0}, [&] { return items_.Count(); });
  }

  void Remove(const Variant& vntIndexKey) override {
    TrapAndReport("IcolProvInfo_Remove", [&] { items_.Remove(vntIndexKey); });
  }

  ObjectRef NewEnum() override {
    return TrapAndReport("NewEnum", ObjectRef(), [&] { return EnumerateSnapshot(items_); });
  }

  // Never reports: a key that is absent, or that holds nothing, answers false.
  bool Exists(std::string strKey) override {
    std::shared_ptr<IprovInfo>* found = items_.Find(strKey);
    return found != nullptr && *found != nullptr;
  }

 private:
  KeyedCollection<std::shared_ptr<IprovInfo>> items_;
};

}  // namespace

std::shared_ptr<IcolProvInfo> NewColProvInfo() { return std::make_shared<colProvInfo>(); }

}  // namespace vx4820cal
