#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

// The host's messenger: status, settings, message boxes, the radio connection and
// the host's other tiers.
class VX4820CAL_API Imessenger : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{D77926DF-A412-4624-A74E-A4471D7D3FA2}";
  // The status after the radio commands of the last form change failed.
  static constexpr int32_t kStatusRadioCommandsFailed = 1;
  virtual int32_t GetStatus() = 0;
  virtual std::string GetSetting(std::string strName, std::string strDefault) = 0;
  virtual void MessageBox(std::string strPrompt, int32_t lngButtons, std::string strTitle, std::string strFourth,
                          int32_t& lngAnswer) = 0;
  virtual void ReportFailure() = 0;
  virtual int32_t PortCommand(int32_t lngFlag, int32_t lngPort) = 0;
  // Fills the description of the connected radio: 1 model, 5 band, 6 hardware version
  // as decimal text, 8 radio option; the others are the host's own.
  virtual void GetConnectedRadioInfo(std::string& str1, std::string& str2, std::string& str3, std::string& str4,
                                     std::string& str5, std::string& str6, std::string& str7, std::string& str8) = 0;
  virtual void NotifyField(std::string& strFieldID) = 0;
  virtual std::shared_ptr<Itier> GetTierByName(std::string strTierName) = 0;
};

}  // namespace vx4820cal
