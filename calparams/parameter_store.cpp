#include "calparams/parameter_store.h"

#include <cstdint>
#include <limits>

#include "common/text.h"
#include "vx4820cal/error.h"

namespace vx4820cal {

void clsCalibrationParameters::Append(clsCalibrationParameter record) {
  if (records_.size() >= std::numeric_limits<uint32_t>::max()) throw RuntimeError(err::kOutOfMemory);
  auto position = static_cast<uint32_t>(records_.size());
  const calparams::ParameterConditions* conditions = record.Conditions();
  records_.emplace_back(std::move(record));
  if (!conditions) {
    unfilled_.push_back(position);
    return;
  }
  if (conditions != last_conditions_) {
    last_table_ = &table_index_[conditions->table->key];
    last_conditions_ = conditions;
  }
  std::vector<Run>& runs = last_table_->runs;
  if (runs.empty() || runs.back().conditions != conditions || runs.back().first + runs.back().count != position) {
    runs.push_back({conditions, position, 0});
  }
  ++runs.back().count;
}

const clsCalibrationParameters::TableIndex* clsCalibrationParameters::IndexOfTable(std::string_view table_key) const {
  auto it = table_index_.find(std::string(table_key));
  return it == table_index_.end() ? nullptr : &it->second;
}

std::vector<uint32_t> clsCalibrationParameters::PositionsOfTable(std::string_view table) const {
  std::vector<uint32_t> positions;
  if (const TableIndex* index = IndexOfTable(UCase(TrimView(table)))) {
    for (const Run& run : index->runs) {
      for (uint32_t i = 0; i < run.count; ++i) positions.push_back(run.first + i);
    }
  }
  return positions;
}

}  // namespace vx4820cal
