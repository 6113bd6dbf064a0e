#pragma once
// The calibration parameter store: every record loaded, in file order, and an index
// by table name so that a lookup only visits the records of the table asked for.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "calparams/calibration_parameter.h"
#include "calparams/table_lookup.h"
#include "common/block_list.h"
#include "vx4820cal/collection.h"
#include "vx4820cal/interfaces/icalparameters.h"
#include "vx4820cal/text_hash.h"

namespace vx4820cal {

class clsCalibrationParameters : public IcalParameters {
 public:
  clsCalibrationParameters() = default;
  // The index points into the store itself.
  clsCalibrationParameters(const clsCalibrationParameters&) = delete;
  clsCalibrationParameters& operator=(const clsCalibrationParameters&) = delete;

  // Answers are keyed collections of value texts by parameter name (a
  // calparams::ParameterTable); none when the lookup failed and the error was reported.
  std::shared_ptr<Collection> GetTableForConnectedRadio(std::shared_ptr<Itier>& objTier, std::string strTable) override;
  std::shared_ptr<Collection> GetTable(std::string strBand, std::string strModel, int16_t intHWVersion,
                                       std::string strTable, std::string strRadioOption) override;
  // Appends the records of the file strFilename (a base name inside the component
  // folder) to the store; true when the whole file was read.
  bool LoadFile(std::string strFilename) override;

  // Appends a record as the loader does; records are never removed.
  void Append(clsCalibrationParameter record);
  // Before the first record: how many records a large file may bring.
  void ExpectRecords(size_t count) { records_.Expect(count); }
  const calparams::BlockList<clsCalibrationParameter>& Records() const { return records_; }
  // Positions in Records() of the filled records of one table (the name compared
  // upper-cased and trimmed), in store order.
  std::vector<uint32_t> PositionsOfTable(std::string_view table) const;
  // Positions of the records a refused line left empty, in store order.
  const std::vector<uint32_t>& UnfilledPositions() const { return unfilled_; }

 private:
  // Records that follow each other in the store and share one conditions object
  // (the lines of one section state): a lookup checks the conditions once.
  struct Run {
    const calparams::ParameterConditions* conditions;
    uint32_t first;  // position in records_
    uint32_t count;
  };
  struct TableIndex {
    std::vector<Run> runs;
  };

  std::shared_ptr<Collection> BuildTable(const calparams::MatchQuery& query) const;
  const TableIndex* IndexOfTable(std::string_view table_key) const;

  calparams::BlockList<clsCalibrationParameter> records_;
  struct KeyHash {
    using is_transparent = void;
    size_t operator()(std::string_view key) const { return HashText(key); }
  };
  std::unordered_map<std::string, TableIndex, KeyHash, std::equal_to<>> table_index_;
  std::vector<uint32_t> unfilled_;
  // The table the last record went to: the lines of a section share their conditions.
  const calparams::ParameterConditions* last_conditions_ = nullptr;
  TableIndex* last_table_ = nullptr;
};

std::shared_ptr<IcalParameters> NewCalibrationParameters();

namespace calparams {
// Reads every line of a parameters file (Windows-1252, lines ended by CR LF or CR,
// plain or scrambled after a "PCA Set" marker) and appends one record per parameter
// line to the store. A file that cannot be opened raises the file
// system's error; a line that stops the load raises its error, and the records before
// it stay. A record the record itself refuses is appended unfilled when its error is
// reported instead of raised.
void ReadParametersFile(const std::filesystem::path& path, clsCalibrationParameters& store);
}  // namespace calparams

}  // namespace vx4820cal
