#include "ui/tier_ui.h"

namespace vx4820cal {

// Placeholder until the user interface lands: creation yields none.
std::shared_ptr<ItierUserInterface> NewTierUI() { return nullptr; }

}  // namespace vx4820cal
