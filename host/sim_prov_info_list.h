#pragma once
// The host's own collection of provider-info records: what a record's Versions gives.
#include <memory>
#include <string>

#include "vx4820cal/collection.h"
#include "vx4820cal/interfaces/icolprovinfo.h"
#include "vx4820cal/interfaces/iprovinfo.h"

namespace vx4820cal::simhost {

class SimProvInfoList : public IcolProvInfo {
 public:
  void Add(std::shared_ptr<IprovInfo> objProvInfo, std::string strKey) override;
  std::shared_ptr<IprovInfo> Item(const Variant& vntIndexKey) override;
  int32_t Count() override;
  void Remove(const Variant& vntIndexKey) override;
  ObjectRef NewEnum() override;
  bool Exists(std::string strKey) override;

 private:
  KeyedCollection<std::shared_ptr<IprovInfo>> items_;
};

}  // namespace vx4820cal::simhost
