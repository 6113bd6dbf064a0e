#include "tier/col_prov_info.h"

#include <string>
#include <utility>
#include <vector>

#include "tier/error_convention.h"
#include "vx4820cal/collection.h"

namespace vx4820cal {
namespace {

// Walks a copy of the elements taken when the walk began, so that a caller may add
// or remove elements while it walks.
class ProvInfoEnumerator final : public Ienumerator {
 public:
  explicit ProvInfoEnumerator(std::vector<std::shared_ptr<IprovInfo>> items) : items_(std::move(items)) {}

  bool Next(Variant& item) override {
    if (next_ >= items_.size()) return false;
    item = Variant(items_[next_++]);
    return true;
  }

 private:
  std::vector<std::shared_ptr<IprovInfo>> items_;
  size_t next_ = 0;
};

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
    int32_t result = 0;
    TrapAndReport("IcolProvInfo_Count", [&] { result = items_.Count(); });
    return result;
  }

  void Remove(const Variant& vntIndexKey) override {
    TrapAndReport("IcolProvInfo_Remove", [&] { items_.Remove(vntIndexKey); });
  }

  ObjectRef NewEnum() override {
    ObjectRef result;
    TrapAndReport("NewEnum", [&] {
      std::vector<std::shared_ptr<IprovInfo>> snapshot;
      snapshot.reserve(static_cast<size_t>(items_.Count()));
      items_.ForEach([&](const std::shared_ptr<IprovInfo>& item) { snapshot.push_back(item); });
      result = std::make_shared<ProvInfoEnumerator>(std::move(snapshot));
    });
    return result;
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
