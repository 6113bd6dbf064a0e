#pragma once
// Modal message boxes: the component's ShowMessage, and the box that error reporting
// shows. Both go to the message-box service the host installed on this thread.
#include <cstdint>
#include <string>

namespace vx4820cal {

// Styles and answers use the host's values.
inline constexpr int32_t kOkOnly = 0;
inline constexpr int32_t kCritical = 16;
inline constexpr int32_t kYesNoExclamation = 52;
inline constexpr int32_t kAnswerOk = 1;
inline constexpr int32_t kAnswerYes = 6;
inline constexpr int32_t kAnswerNo = 7;

// Shows the box and answers the button pressed.
int32_t ShowSystemMessageBox(const std::string& text, const std::string& title, int32_t style);

// Shows a box and discards the answer.
void ShowMessage(const std::string& strPrompt, int32_t lngButtons, const std::string& strTitle);

}  // namespace vx4820cal
