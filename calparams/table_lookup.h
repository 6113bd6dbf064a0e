#pragma once
// The lookup of one radio in the parameter store: the radio asked about, prepared once
// so that checking a record costs a few comparisons and no upper-casing, and the most
// specific records among the matches.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "calparams/parameter_conditions.h"
#include "calparams/parameter_table.h"

namespace vx4820cal {
class clsCalibrationParameter;
}  // namespace vx4820cal

namespace vx4820cal::calparams {

// The first stage of the match that a record fails, or kMatched.
enum class MatchStage { kMatched, kTable, kVersion, kBand, kModel, kRadioOption };

struct MatchQuery {
  MatchQuery(std::string_view band, std::string_view model, int16_t hardware_version, std::string_view table,
             std::string_view radio_option);

  // Table, band and model given and the version within 0 to 9999. The radio option
  // is not checked: the empty one finds default lists and empty entries.
  bool valid;
  std::string table_key;
  int16_t hardware_version;
  std::string band_needle;
  std::string model_needle;
  std::string radio_option_needle;
};

// Table, version, band, model, radio option, in that order; each stage only runs when
// the ones before it passed.
MatchStage Evaluate(const ParameterConditions& conditions, const MatchQuery& query);

// For every parameter name (compared exactly) the records that carry the greatest
// weighting among the matches.
using Matches = std::vector<const clsCalibrationParameter*>;

// The greatest weighting of each name among the matches, in one pass.
std::unordered_map<std::string_view, int32_t> GreatestWeightings(const Matches& matches);

// Adds every best record's value under its name, in match order. Ties are not broken:
// a second best record of one name (or of a name that differs only in case) fails
// with the collection's duplicate-key error.
void AddBestRecords(const Matches& matches, ParameterTable& answer);

}  // namespace vx4820cal::calparams
