#pragma once
// The host's messenger, with answers a test scripts and a log of every call.
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "host/call_log.h"
#include "vx4820cal/interfaces/imessenger.h"

namespace vx4820cal::simhost {

class ScriptedMessenger : public Imessenger {
 public:
  int32_t GetStatus() override;
  std::string GetSetting(std::string strName, std::string strDefault) override;
  void MessageBox(std::string strPrompt, int32_t lngButtons, std::string strTitle, std::string strFourth,
                  int32_t& lngAnswer) override;
  void ReportFailure() override;
  int32_t PortCommand(int32_t lngFlag, int32_t lngPort) override;
  void GetConnectedRadioInfo(std::string& str1, std::string& str2, std::string& str3, std::string& str4,
                             std::string& str5, std::string& str6, std::string& str7, std::string& str8) override;
  void NotifyField(std::string& strFieldID) override;
  std::shared_ptr<Itier> GetTierByName(std::string strTierName) override;

  // Script.
  void SetStatus(int32_t status) { status_ = status; }
  void SetSetting(const std::string& name, const std::string& value) { settings_[name] = value; }
  // Message-box answers in order; once they run out, every box is answered with 1.
  void ScriptMessageBoxAnswers(std::initializer_list<int32_t> answers) { answers_.assign(answers); }
  // The eight texts of the connected radio: 1 model, 5 band, 6 hardware version, 8 option.
  void SetConnectedRadio(std::array<std::string, 8> info) { radio_ = std::move(info); }
  void SetConnectedRadio(const std::string& model, const std::string& band, const std::string& hw_version,
                         const std::string& radio_option) {
    radio_ = {model, "", "", "", band, hw_version, "", radio_option};
  }
  void AddTier(const std::string& name, std::shared_ptr<Itier> tier) { tiers_[name] = std::move(tier); }
  void RemoveTier(const std::string& name) { tiers_.erase(name); }
  // Drops the tiers the messenger hands out, breaking the host's side of a cycle.
  void ClearTiers() { tiers_.clear(); }

  const CallLog& Log() const { return log_; }
  CallLog& Log() { return log_; }

 private:
  CallLog log_;
  int32_t status_ = 0;
  std::map<std::string, std::string> settings_;
  std::deque<int32_t> answers_;
  std::array<std::string, 8> radio_{};
  std::map<std::string, std::shared_ptr<Itier>> tiers_;
};

}  // namespace vx4820cal::simhost
