#pragma once
// A host provider as the core's Iprovider.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class ProviderProxy final : public vx4820cal::Iprovider, public HostProxy<::Iprovider> {
 public:
  using HostProxy::HostProxy;

  int16_t GetListID(std::string& UIID) override;
  std::shared_ptr<vx4820cal::Ifield> Field(std::string strFieldID) override;
};

}  // namespace vx4820cal::com
