#include "calparams/best_selection.h"

namespace vx4820cal::calparams {

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
