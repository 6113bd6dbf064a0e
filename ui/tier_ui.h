#pragma once
// The tier user interface: field metadata by UIID, answered from the thread's field
// collection.
#include <memory>

#include "vx4820cal/interfaces/itier.h"
#include "vx4820cal/interfaces/itieruserinterface.h"

namespace vx4820cal {

std::shared_ptr<ItierUserInterface> NewTierUI();

}  // namespace vx4820cal
