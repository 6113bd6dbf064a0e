#pragma once
#include <memory>
#include <string_view>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"

namespace vx4820cal {

// A tier that can be handed another tier's calibration parameter store.
class VX4820CAL_API IcalParamOwner : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{EDEFB368-64B6-464A-B317-4393F1624ABA}";
  virtual void CalParameters(std::shared_ptr<IcalParameters> RHS) = 0;
};

}  // namespace vx4820cal
