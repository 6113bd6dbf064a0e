#pragma once
// The messenger of a host session: scripted as any ScriptedMessenger, except that its
// message boxes can be put to a person through a message-box service (the tool's
// terminal), and every answer it gave is kept.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/scripted_messenger.h"
#include "vx4820cal/component.h"

namespace vx4820cal::simhost {

class SessionMessenger : public ScriptedMessenger {
 public:
  // Logged as ScriptedMessenger logs it; the service, when set, gives the answer
  // instead of the script.
  void MessageBox(std::string strPrompt, int32_t lngButtons, std::string strTitle, std::string strFourth,
                  int32_t& lngAnswer) override;

  // None goes back to the scripted answers.
  void ShowBoxesThrough(std::shared_ptr<MessageBoxService> service) { service_ = std::move(service); }
  // The answer of every box, in order.
  const std::vector<int32_t>& Answers() const { return answers_; }

 private:
  std::shared_ptr<MessageBoxService> service_;
  std::vector<int32_t> answers_;
};

}  // namespace vx4820cal::simhost
