#include "calparams/table_lookup.h"

#include "calparams/calibration_parameter.h"
#include "calparams/parameter_conditions.h"
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

std::unordered_map<std::string_view, int32_t> GreatestWeightings(const Matches& matches) {
  std::unordered_map<std::string_view, int32_t> greatest;
  greatest.reserve(matches.size());
  for (const clsCalibrationParameter* record : matches) {
    auto [it, added] = greatest.try_emplace(record->NameView(), record->Weighting());
    if (!added && record->Weighting() > it->second) it->second = record->Weighting();
  }
  return greatest;
}

void AddBestRecords(const Matches& matches, ParameterTable& answer) {
  std::unordered_map<std::string_view, int32_t> greatest = GreatestWeightings(matches);
  for (const clsCalibrationParameter* record : matches) {
    if (record->Weighting() == greatest[record->NameView()]) {
      answer.AddParameter(record->NameView(), record->Value());
    }
  }
}

}  // namespace vx4820cal::calparams
