#include "calparams/match_query.h"

#include "calparams/list_form.h"
#include "tier/text.h"

namespace vx4820cal::calparams {
namespace {

bool ListAdmits(const std::string& upper_list_form, bool is_default, const std::string& needle) {
  return is_default || upper_list_form.find(needle) != std::string::npos;
}

}  // namespace

MatchQuery::MatchQuery(std::string_view band, std::string_view model, int16_t version, std::string_view table,
                       std::string_view radio_option)
    : valid(!table.empty() && !band.empty() && !model.empty() && IsVersionInRange(version)),
      table_key(UCase(TrimView(table))),
      hardware_version(version),
      band_needle(ListNeedle(band)),
      model_needle(ListNeedle(model)),
      radio_option_needle(ListNeedle(radio_option)) {}

MatchStage Evaluate(const ParameterConditions& conditions, const MatchQuery& query) {
  if (conditions.table_key != query.table_key) return MatchStage::kTable;
  if (query.hardware_version < conditions.hw_version_start || query.hardware_version > conditions.hw_version_stop) {
    return MatchStage::kVersion;
  }
  if (!ListAdmits(conditions.band_list_upper, conditions.band_default, query.band_needle)) return MatchStage::kBand;
  if (!ListAdmits(conditions.model_list_upper, conditions.model_default, query.model_needle)) {
    return MatchStage::kModel;
  }
  if (!ListAdmits(conditions.radio_option_list_upper, conditions.radio_option_default, query.radio_option_needle)) {
    return MatchStage::kRadioOption;
  }
  return MatchStage::kMatched;
}

}  // namespace vx4820cal::calparams
