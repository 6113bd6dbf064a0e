#pragma once
// One radio asked about: the lookup's arguments prepared once, so that checking a
// record costs a few comparisons and no upper-casing.
#include <cstdint>
#include <string>
#include <string_view>

#include "calparams/parameter_conditions.h"

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

}  // namespace vx4820cal::calparams
