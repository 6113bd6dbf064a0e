#include "validation/tier_validator.h"

#include "validation/vx4820cal_tier_validator.h"

namespace vx4820cal {

std::shared_ptr<ItierValidator> NewTierValidator() { return std::make_shared<clsVX4820CALTierValidator>(); }

}  // namespace vx4820cal
