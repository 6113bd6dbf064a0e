#include "host/scripted_messenger.h"

#include "vx4820cal/interfaces/itier.h"

namespace vx4820cal::simhost {

int32_t ScriptedMessenger::GetStatus() {
  log_.Record("GetStatus");
  return status_;
}

std::string ScriptedMessenger::GetSetting(std::string strName, std::string strDefault) {
  log_.Record("GetSetting", {strName, strDefault});
  auto it = settings_.find(strName);
  return it == settings_.end() ? strDefault : it->second;
}

void ScriptedMessenger::MessageBox(std::string strPrompt, int32_t lngButtons, std::string strTitle,
                                   std::string strFourth, int32_t& lngAnswer) {
  log_.Record("MessageBox", {strPrompt, std::to_string(lngButtons), strTitle, strFourth});
  if (answers_.empty()) {
    lngAnswer = 1;
    return;
  }
  lngAnswer = answers_.front();
  answers_.pop_front();
}

void ScriptedMessenger::ReportFailure() { log_.Record("ReportFailure"); }

int32_t ScriptedMessenger::PortCommand(int32_t lngFlag, int32_t lngPort) {
  log_.Record("PortCommand", {std::to_string(lngFlag), std::to_string(lngPort)});
  return 0;
}

void ScriptedMessenger::GetConnectedRadioInfo(std::string& str1, std::string& str2, std::string& str3,
                                              std::string& str4, std::string& str5, std::string& str6,
                                              std::string& str7, std::string& str8) {
  log_.Record("GetConnectedRadioInfo");
  std::string* texts[] = {&str1, &str2, &str3, &str4, &str5, &str6, &str7, &str8};
  for (size_t i = 0; i < radio_.size(); ++i) *texts[i] = radio_[i];
}

void ScriptedMessenger::NotifyField(std::string& strFieldID) { log_.Record("NotifyField", {strFieldID}); }

std::shared_ptr<Itier> ScriptedMessenger::GetTierByName(std::string strTierName) {
  log_.Record("GetTierByName", {strTierName});
  auto it = tiers_.find(strTierName);
  return it == tiers_.end() ? nullptr : it->second;
}

}  // namespace vx4820cal::simhost
