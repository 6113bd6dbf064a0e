#include "calparams/calibration_parameters.h"

#include "calparams/parameter_store.h"
#include "calparams/parameters_file.h"
#include "calparams/parameters_loader.h"
#include "common/error_convention.h"

namespace vx4820cal {

std::shared_ptr<IcalParameters> NewCalibrationParameters() { return std::make_shared<clsCalibrationParameters>(); }

bool clsCalibrationParameters::LoadFile(std::string strFilename) {
  bool result = false;
  TrapAndReport("LoadFile", [&] {
    // An empty path (regeneration failed) fails to open like a missing file.
    calparams::ReadParametersFile(calparams::ResolveParametersFile(strFilename), *this);
    result = true;
  });
  return result;
}

}  // namespace vx4820cal
