#pragma once
// The host's messenger as the core's Imessenger.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class MessengerProxy final : public vx4820cal::Imessenger, public HostProxy<::Imessenger> {
 public:
  using HostProxy::HostProxy;

  int32_t GetStatus() override;
  std::string GetSetting(std::string strName, std::string strDefault) override;
  void MessageBox(std::string strPrompt, int32_t lngButtons, std::string strTitle, std::string strFourth,
                  int32_t& lngAnswer) override;
  void ReportFailure() override;
  int32_t PortCommand(int32_t lngFlag, int32_t lngPort) override;
  void GetConnectedRadioInfo(std::string& str1, std::string& str2, std::string& str3, std::string& str4,
                             std::string& str5, std::string& str6, std::string& str7, std::string& str8) override;
  void NotifyField(std::string& strFieldID) override;
  std::shared_ptr<vx4820cal::Itier> GetTierByName(std::string strTierName) override;
};

}  // namespace vx4820cal::com
