#pragma once
// A parameter store the host hands in (IcalParamOwner's CalParameters) as the core's
// IcalParameters.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class CalParametersProxy final : public vx4820cal::IcalParameters, public HostProxy<::IcalParameters> {
 public:
  using HostProxy::HostProxy;

  std::shared_ptr<Collection> GetTableForConnectedRadio(std::shared_ptr<vx4820cal::Itier>& objTier,
                                                        std::string strTable) override;
  std::shared_ptr<Collection> GetTable(std::string strBand, std::string strModel, int16_t intHWVersion,
                                       std::string strTable, std::string strRadioOption) override;
  bool LoadFile(std::string strFilename) override;
};

}  // namespace vx4820cal::com
