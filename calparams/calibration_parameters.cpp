#include "calparams/calibration_parameters.h"

namespace vx4820cal {

// Placeholder until the store lands: creation yields none.
std::shared_ptr<IcalParameters> NewCalibrationParameters() { return nullptr; }

}  // namespace vx4820cal
