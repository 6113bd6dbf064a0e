#pragma once
// Modal message boxes: the component's ShowMessage, and the box that error reporting
// shows. Both go to the message-box service the host installed on this thread.
#include <cstdint>
#include <string>

#include "vx4820cal/message_box_values.h"

namespace vx4820cal {

// Shows the box and answers the button pressed.
int32_t ShowSystemMessageBox(const std::string& text, const std::string& title, int32_t style);

// Shows a box and discards the answer.
void ShowMessage(const std::string& strPrompt, int32_t lngButtons, const std::string& strTitle);

}  // namespace vx4820cal
