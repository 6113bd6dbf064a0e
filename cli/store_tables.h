#pragma once
// The tables a parameter store holds.
#include <map>
#include <string>

namespace vx4820cal {
class clsCalibrationParameters;
}

namespace vx4820cal::cli {

// Each table's key (what lookups compare) with its name as first written.
std::map<std::string, std::string> TablesOf(const clsCalibrationParameters& store);

}  // namespace vx4820cal::cli
