// Creation by class name: the two classes a host may create, and the entry point a
// host finds with dlsym.
#include <memory>
#include <string>

#include "calparams/calibration_parameters.h"
#include "common/object_access.h"
#include "common/text.h"
#include "tier/vx4820cal_tier.h"
#include "vx4820cal/component.h"

namespace vx4820cal {

ObjectRef CreateObject(std::string_view class_name) {
  // The host names classes without regard to case, as its own run time does.
  std::string name = UCase(class_name);
  if (name == "CLSVX4820CALTIER") return std::make_shared<clsVX4820CALTier>();
  if (name == "CLSCALIBRATIONPARAMETERS") return Required(NewCalibrationParameters());
  throw Error(err::kCannotCreateObject, kComponentName,
              "Cannot create object: the component serves no class named \"" + std::string(class_name) +
                  "\" (it serves clsVX4820CALTier and clsCalibrationParameters)");
}

}  // namespace vx4820cal

extern "C" const vx4820cal::ComponentApi* vx4820cal_GetComponentApi() {
  static const vx4820cal::ComponentApi api = {
      vx4820cal::kComponentApiVersion,      &vx4820cal::CreateObject,
      &vx4820cal::ComponentFolder,          &vx4820cal::SetComponentFolder,
      &vx4820cal::SetThreadComponentFolder, &vx4820cal::InstallMessageBoxService,
      &vx4820cal::RegisterHostClass,        &vx4820cal::SetDecimalSymbolOverride,
  };
  return &api;
}
