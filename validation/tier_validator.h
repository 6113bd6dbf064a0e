#pragma once
// The tier's validator.
#include <memory>

#include "vx4820cal/interfaces/itiervalidator.h"

namespace vx4820cal {

std::shared_ptr<ItierValidator> NewTierValidator();

}  // namespace vx4820cal
