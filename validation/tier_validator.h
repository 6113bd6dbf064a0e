#pragma once
// The tier's validator: the host consults it around edits, form changes and
// programming. Most questions go to the delegate tier's validator; this tier decides
// only the overwrite confirmation before programming and the reconnect-and-retry
// offer when a form change fails.
#include <memory>

#include "vx4820cal/interfaces/itiervalidator.h"
#include "vx4820cal/interfaces/ivalidator.h"

namespace vx4820cal {

std::shared_ptr<ItierValidator> NewTierValidator();

// The guard every validator question passes before it reaches the delegate: raises
// 9001 (source "ItierValidator") while no host validator is held.
void CheckValidatorInitialised(const std::shared_ptr<Ivalidator>& validator);

}  // namespace vx4820cal
