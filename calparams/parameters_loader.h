#pragma once
// Reading a calibration parameters file: its lines, plain or scrambled after a
// "PCA Set" marker, become parameter records appended to a store.
#include <string_view>

namespace vx4820cal {

class clsCalibrationParameters;

namespace calparams {

// Reads every line of the file's bytes (Windows-1252, lines ended by CR LF or CR)
// and appends one record per parameter line. A line that stops the load raises its
// error; the records before it stay. A record the record itself refuses is appended
// unfilled when its error is reported instead of raised.
void ReadParameterLines(std::string_view bytes, clsCalibrationParameters& store);

}  // namespace calparams
}  // namespace vx4820cal
