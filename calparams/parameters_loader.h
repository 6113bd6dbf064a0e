#pragma once
// Reading a calibration parameters file: its lines, plain or scrambled after a
// "PCA Set" marker, become parameter records appended to a store.
#include <filesystem>

namespace vx4820cal {

class clsCalibrationParameters;

namespace calparams {

// Reads every line of the file (Windows-1252, lines ended by CR LF or CR) and appends
// one record per parameter line. A file that cannot be opened raises the file
// system's error; a line that stops the load raises its error, and the records before
// it stay. A record the record itself refuses is appended unfilled when its error is
// reported instead of raised.
void ReadParametersFile(const std::filesystem::path& path, clsCalibrationParameters& store);

}  // namespace calparams
}  // namespace vx4820cal
