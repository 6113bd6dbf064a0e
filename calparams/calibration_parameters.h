#pragma once
// The calibration parameter store.
#include <memory>

#include "vx4820cal/interfaces/icalparameters.h"

namespace vx4820cal {

std::shared_ptr<IcalParameters> NewCalibrationParameters();

}  // namespace vx4820cal
