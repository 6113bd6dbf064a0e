// The two lookups. They give exactly the answers, errors and reports of a scan that
// checks every record in store order, while visiting only the records of the table
// asked for: a filled record of another table never matches and never fails its
// check, so only the records that do fail (all of them for bad arguments, the
// unfilled ones otherwise) are visited besides, in store order and before any other
// error can arise. A filled record's check of a valid radio cannot fail and depends
// on its conditions alone, so the records that share conditions are checked once.
#include <array>

#include "calparams/best_selection.h"
#include "calparams/parameter_errors.h"
#include "calparams/parameter_store.h"
#include "calparams/parameter_table.h"
#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "vx4820cal/interfaces/imessenger.h"
#include "vx4820cal/interfaces/itier.h"

namespace vx4820cal {

std::shared_ptr<Collection> clsCalibrationParameters::GetTable(std::string strBand, std::string strModel,
                                                               int16_t intHWVersion, std::string strTable,
                                                               std::string strRadioOption) {
  std::shared_ptr<Collection> result;
  TrapAndReport("GetTable", [&] {
    result = BuildTable(calparams::MatchQuery(strBand, strModel, intHWVersion, strTable, strRadioOption));
  });
  return result;
}

std::shared_ptr<Collection> clsCalibrationParameters::BuildTable(const calparams::MatchQuery& query) const {
  auto answer = std::make_shared<calparams::ParameterTable>();
  if (!query.valid) {
    // Every record's check fails; each is reported (or the first raised) in turn.
    for (const clsCalibrationParameter& record : records_) record.IsMatch(query);
    return answer;
  }
  for (uint32_t position : unfilled_) records_[position].IsMatch(query);
  calparams::Matches matches;
  if (const TableIndex* table = IndexOfTable(query.table_key)) {
    for (const Run& run : table->runs) {
      if (calparams::Evaluate(*run.conditions, query) != calparams::MatchStage::kMatched) continue;
      for (uint32_t i = run.first; i < run.first + run.count; ++i) matches.push_back(&records_[i]);
    }
  }
  calparams::AddBestRecords(matches, *answer);
  return answer;
}

std::shared_ptr<Collection> clsCalibrationParameters::GetTableForConnectedRadio(std::shared_ptr<Itier>& objTier,
                                                                                std::string strTable) {
  std::shared_ptr<Collection> result;
  TrapAndReport("GetTableForConnectedRadio", [&] {
    std::array<std::string, 8> info;
    {
      std::shared_ptr<Imessenger> messenger = Required(Required(objTier)->Messenger());
      messenger->GetConnectedRadioInfo(info[0], info[1], info[2], info[3], info[4], info[5], info[6], info[7]);
    }
    const std::string& model = info[0];
    const std::string& band = info[4];
    const std::string& hw_version = info[5];
    const std::string& radio_option = info[7];
    if (model.empty() || hw_version.empty() || band.empty() || radio_option.empty()) {
      throw calparams::ParameterError(calparams::kInvalidConnectedRadio);
    }
    result = GetTable(band, model, TextToInteger(hw_version), strTable, radio_option);
  });
  return result;
}

}  // namespace vx4820cal
