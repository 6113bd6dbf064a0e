#include "cli/store_tables.h"

#include "calparams/calibration_parameters.h"

namespace vx4820cal::cli {

std::map<std::string, std::string> TablesOf(const clsCalibrationParameters& store) {
  std::map<std::string, std::string> tables;
  const calparams::TableName* previous = nullptr;  // records of a section share theirs
  for (const clsCalibrationParameter& record : store.Records()) {
    if (!record.Conditions() || record.Conditions()->table == previous) continue;
    previous = record.Conditions()->table;
    tables.try_emplace(previous->key, previous->name);
  }
  return tables;
}

}  // namespace vx4820cal::cli
