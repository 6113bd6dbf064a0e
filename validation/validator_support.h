#pragma once
// The guard every validator question passes before it reaches the delegate.
#include <memory>

#include "vx4820cal/interfaces/ivalidator.h"

namespace vx4820cal::modItierValidatorSupport {

// Raises 9001 (source "ItierValidator") while no host validator is held.
void CheckValidatorInitialised(const std::shared_ptr<Ivalidator>& objValidator);

}  // namespace vx4820cal::modItierValidatorSupport
