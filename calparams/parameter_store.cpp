#include "calparams/parameter_store.h"

#include <sys/mman.h>

#include <cstdint>
#include <limits>

#include "tier/text.h"
#include "vx4820cal/error.h"

namespace vx4820cal {
namespace {

// A large store's records fill tens of megabytes in one go, and a page fault for
// every 4 KiB of them costs more than reading the file. Where the system offers large
// pages for such memory, ask for them; it is only advice, and nothing else changes.
void AdviseLargePages([[maybe_unused]] const void* first, [[maybe_unused]] size_t count) {
#ifdef MADV_HUGEPAGE
  constexpr uintptr_t kLargePage = uintptr_t{2} << 20;
  auto begin = (reinterpret_cast<uintptr_t>(first) + kLargePage - 1) & ~(kLargePage - 1);
  auto end = (reinterpret_cast<uintptr_t>(first) + count * sizeof(clsCalibrationParameter)) & ~(kLargePage - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

}  // namespace

void clsCalibrationParameters::Reserve(size_t more) {
  const bool fresh = records_.capacity() < records_.size() + more;
  records_.reserve(records_.size() + more);
  if (fresh) AdviseLargePages(records_.data() + records_.size(), records_.capacity() - records_.size());
}

void clsCalibrationParameters::Append(clsCalibrationParameter record) {
  if (records_.size() >= std::numeric_limits<uint32_t>::max()) throw RuntimeError(err::kOutOfMemory);
  auto position = static_cast<uint32_t>(records_.size());
  const calparams::ParameterConditions* conditions = record.Conditions();
  records_.push_back(std::move(record));
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
