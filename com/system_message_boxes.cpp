#include "com/system_message_boxes.h"

#include <memory>

#include "com/bstr_text.h"
#include "com/com_headers.h"

namespace vx4820cal::com {

int32_t SystemMessageBoxes::Show(const std::string& text, const std::string& title, int32_t style) {
  Bstr wide_text(text), wide_title(title);
  return MessageBoxW(nullptr, wide_text.Get(), wide_title.Get(), static_cast<UINT>(style) | MB_TASKMODAL);
}

void UseSystemMessageBoxes() {
  thread_local bool installed = false;
  if (installed) return;
  InstallMessageBoxService(std::make_shared<SystemMessageBoxes>());
  installed = true;
}

}  // namespace vx4820cal::com
