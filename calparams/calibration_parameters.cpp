#include "calparams/calibration_parameters.h"

#include <array>
#include <cstdint>
#include <limits>
#include <memory>

#include "calparams/parameter_errors.h"
#include "calparams/parameter_line_walker.h"
#include "calparams/parameter_table.h"
#include "calparams/parameters_file.h"
#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/object_access.h"
#include "common/text.h"
#include "common/text_file.h"
#include "vx4820cal/error.h"
#include "vx4820cal/interfaces/imessenger.h"
#include "vx4820cal/interfaces/itier.h"

namespace vx4820cal {

std::shared_ptr<IcalParameters> NewCalibrationParameters() { return std::make_shared<clsCalibrationParameters>(); }

bool clsCalibrationParameters::LoadFile(std::string strFilename) {
  return TrapAndReport("LoadFile", false, [&] {
    // An empty path (regeneration failed) fails to open like a missing file.
    calparams::ReadParametersFile(calparams::ResolveParametersFile(strFilename), *this);
    return true;
  });
}

// Storing records.

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
  auto it = table_index_.find(table_key);
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

// The two lookups. They give exactly the answers, errors and reports of a scan that
// checks every record in store order, while visiting only the records of the table
// asked for: a filled record of another table never matches and never fails its
// check, so only the records that do fail (all of them for bad arguments, the
// unfilled ones otherwise) are visited besides, in store order and before any other
// error can arise. A filled record's check of a valid radio cannot fail and depends
// on its conditions alone, so the records that share conditions are checked once.

std::shared_ptr<Collection> clsCalibrationParameters::GetTable(std::string strBand, std::string strModel,
                                                               int16_t intHWVersion, std::string strTable,
                                                               std::string strRadioOption) {
  return TrapAndReport("GetTable", std::shared_ptr<Collection>(), [&] {
    return BuildTable(calparams::MatchQuery(strBand, strModel, intHWVersion, strTable, strRadioOption));
  });
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
  return TrapAndReport("GetTableForConnectedRadio", std::shared_ptr<Collection>(), [&] {
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
    return GetTable(band, model, TextToInteger(hw_version), strTable, radio_option);
  });
}

namespace calparams {
namespace {

// The loader's handling of the walked lines: a parameter line becomes a record, a
// line that cannot be read stops the load with its error.
class RecordStoringHandler : public ParameterLineHandler {
 public:
  explicit RecordStoringHandler(clsCalibrationParameters& store) : store_(store) {}

  void OnMarkerAtEnd(const WalkedLine&) override { throw RuntimeError(err::kInputPastEndOfFile); }
  void OnUndecodable(const WalkedLine&, const Error& error) override { throw error; }
  void OnBadVersion(const WalkedLine&, const ParsedLineView&, const Error& error) override { throw error; }
  void OnInvalid(const WalkedLine&) override { throw ParameterError(kInvalidFileFormat); }

  void OnParameter(const WalkedLine& line, const ParsedLineView& parsed, const SharedConditions& conditions,
                   const SectionState&) override {
    // Line numbers as in the plain source: marker lines are not counted.
    clsCalibrationParameter record(line.source_line);
    record.SetParameterInformation(holds_.Share(conditions), parsed.name, parsed.value, separator_);
    store_.Append(std::move(record));
  }

 private:
  clsCalibrationParameters& store_;
  DecimalSeparatorOnce separator_;
  PoolHolds holds_;
};

}  // namespace

void ReadParametersFile(const std::filesystem::path& path, clsCalibrationParameters& store) {
  FileLineReader lines(path);
  // A scrambled parameter line takes some 40 bytes and a section some 20 lines: a
  // rough guess, only used to pick block sizes.
  store.ExpectRecords(lines.SizeBytes() / 32);
  PoolRef<TextPool> pool(new TextPool);
  pool->Expect(lines.SizeBytes() / 512, lines.SizeBytes() / 8);
  RecordStoringHandler handler(store);
  ParameterLineWalker(lines, handler, pool).Walk();
}

}  // namespace calparams

}  // namespace vx4820cal
