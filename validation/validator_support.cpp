#include "validation/validator_support.h"

#include "vx4820cal/error.h"

namespace vx4820cal::modItierValidatorSupport {

void CheckValidatorInitialised(const std::shared_ptr<Ivalidator>& objValidator) {
  if (objValidator) return;
  throw Error(err::kValidatorNotInitialised, "ItierValidator",
              std::string("ItierValidator not initialised.") +
                  " Please set object reference to Validator before calling any ItierValidator methods");
}

}  // namespace vx4820cal::modItierValidatorSupport
