#pragma once
// A host provider-info record (clsProvInfo) as the core's IprovInfo.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class ProvInfoProxy final : public vx4820cal::IprovInfo, public HostProxy<::IprovInfo> {
 public:
  using HostProxy::HostProxy;

  std::string MenuName() override;
  bool InMenu() override;
  std::string Key() override;
  std::string NextKey() override;
  std::shared_ptr<vx4820cal::Iprovider> Provider() override;
  std::shared_ptr<vx4820cal::IcolProvInfo> Versions() override;
  void Init(std::string strComponent, std::string strModel, std::string strEmpty, std::string& strVersion) override;
};

}  // namespace vx4820cal::com
