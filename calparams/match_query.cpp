#include "calparams/match_query.h"

#include "calparams/list_form.h"
#include "common/text.h"

namespace vx4820cal::calparams {
namespace {

bool ListAdmits(const ConditionList& list, const std::string& needle) {
  return list.is_default || list.upper.find(needle) != std::string::npos;
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
  if (conditions.table->key != query.table_key) return MatchStage::kTable;
  if (query.hardware_version < conditions.hw_version_start || query.hardware_version > conditions.hw_version_stop) {
    return MatchStage::kVersion;
  }
  if (!ListAdmits(*conditions.bands, query.band_needle)) return MatchStage::kBand;
  if (!ListAdmits(*conditions.models, query.model_needle)) {
    return MatchStage::kModel;
  }
  if (!ListAdmits(*conditions.radio_options, query.radio_option_needle)) {
    return MatchStage::kRadioOption;
  }
  return MatchStage::kMatched;
}

}  // namespace vx4820cal::calparams
