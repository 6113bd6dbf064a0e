#include "calparams/parameter_store.h"

#include <limits>

#include "tier/text.h"
#include "vx4820cal/error.h"

namespace vx4820cal {

void clsCalibrationParameters::Append(clsCalibrationParameter record) {
  if (records_.size() >= std::numeric_limits<uint32_t>::max()) throw RuntimeError(err::kOutOfMemory);
  auto position = static_cast<uint32_t>(records_.size());
  if (const calparams::ParameterConditions* conditions = record.Conditions()) {
    table_index_[conditions->table_key].push_back(position);
  } else {
    unfilled_.push_back(position);
  }
  records_.push_back(std::move(record));
}

const std::vector<uint32_t>& clsCalibrationParameters::PositionsOfTable(std::string_view table) const {
  static const std::vector<uint32_t> kNone;
  auto it = table_index_.find(UCase(TrimView(table)));
  return it == table_index_.end() ? kNone : it->second;
}

}  // namespace vx4820cal
