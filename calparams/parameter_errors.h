#pragma once
// The errors the parameter records and store raise themselves: number 0, with the
// descriptions and sources the host's calibration routines know them by.
#include <string>

#include "vx4820cal/error.h"

namespace vx4820cal::calparams {

inline constexpr const char* kInvalidParameterData = "Invalid Parameter Data";
inline constexpr const char* kInvalidData = "Invalid data";
inline constexpr const char* kInvalidBand = "Invalid Band";
inline constexpr const char* kInvalidModel = "Invalid Model";
inline constexpr const char* kInvalidRadioOption = "Invalid Radio Option";
inline constexpr const char* kInvalidValue = "Invalid Value";
inline constexpr const char* kValueNotSet = "Value not set";
inline constexpr const char* kInvalidFileFormat = "Invalid Parameters File Format";
inline constexpr const char* kInvalidConnectedRadio = "Invalid values from connected radio";

// Sources name the record's operation that found the fault.
inline constexpr const char* kRecordSourcePrefix = "clsCalibrationParameter.";

inline Error ParameterError(const std::string& description, const std::string& operation = {}) {
  return Error(0, operation.empty() ? std::string() : kRecordSourcePrefix + operation, description);
}

}  // namespace vx4820cal::calparams
