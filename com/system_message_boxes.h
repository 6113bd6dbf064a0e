#pragma once
// The component's own message boxes, in a COM host: the system's modal box.
#include "vx4820cal/component.h"

namespace vx4820cal::com {

class SystemMessageBoxes final : public MessageBoxService {
 public:
  int32_t Show(const std::string& text, const std::string& title, int32_t style) override;
};

// Installs them for the calling thread, once per thread.
void UseSystemMessageBoxes();

}  // namespace vx4820cal::com
