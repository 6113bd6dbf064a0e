#pragma once
// A host collection of provider-info records (a record's Versions) as the core's
// IcolProvInfo.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class ProvInfoListProxy final : public vx4820cal::IcolProvInfo, public HostProxy<::IcolProvInfo> {
 public:
  using HostProxy::HostProxy;

  void Add(std::shared_ptr<vx4820cal::IprovInfo> objProvInfo, std::string strKey) override;
  std::shared_ptr<vx4820cal::IprovInfo> Item(const Variant& vntIndexKey) override;
  int32_t Count() override;
  void Remove(const Variant& vntIndexKey) override;
  ObjectRef NewEnum() override;
  bool Exists(std::string strKey) override;
};

}  // namespace vx4820cal::com
