#include "host/session_messenger.h"

namespace vx4820cal::simhost {

void SessionMessenger::MessageBox(std::string strPrompt, int32_t lngButtons, std::string strTitle,
                                  std::string strFourth, int32_t& lngAnswer) {
  ScriptedMessenger::MessageBox(strPrompt, lngButtons, strTitle, strFourth, lngAnswer);
  if (service_) lngAnswer = service_->Show(strPrompt, strTitle, lngButtons);
  answers_.push_back(lngAnswer);
}

}  // namespace vx4820cal::simhost
