#pragma once
// The most specific records of a lookup: for every parameter name (compared exactly)
// the records that carry the greatest weighting among the matches.
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "calparams/calibration_parameter.h"
#include "calparams/parameter_table.h"

namespace vx4820cal::calparams {

using Matches = std::vector<const clsCalibrationParameter*>;

// The greatest weighting of each name among the matches, in one pass.
std::unordered_map<std::string_view, int32_t> GreatestWeightings(const Matches& matches);

// Adds every best record's value under its name, in match order. Ties are not broken:
// a second best record of one name (or of a name that differs only in case) fails
// with the collection's duplicate-key error.
void AddBestRecords(const Matches& matches, ParameterTable& answer);

}  // namespace vx4820cal::calparams
