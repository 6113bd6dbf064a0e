#include "validation/tier_validator.h"

namespace vx4820cal {

// Placeholder until the validator lands: creation yields none.
std::shared_ptr<ItierValidator> NewTierValidator() { return nullptr; }

}  // namespace vx4820cal
