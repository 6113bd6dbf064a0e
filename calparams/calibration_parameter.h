#pragma once
// One parameter line of the calibration parameters file: a name and a value with the
// conditions under which they apply, and the line of the file it came from.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calparams/parameter_conditions.h"
#include "calparams/table_lookup.h"

namespace vx4820cal {

namespace calparams {
// The user's decimal separator, asked for on first use only: a loader fills many
// records with decimal values in one go.
class DecimalSeparatorOnce {
 public:
  const std::string& Get();

 private:
  std::optional<std::string> symbol_;
};
}  // namespace calparams

class clsCalibrationParameter {
 public:
  // source_line: the line of the plain source the record was read from (0: none).
  explicit clsCalibrationParameter(size_t source_line = 0) : source_line_(static_cast<uint32_t>(source_line)) {}

  // The record's operations. Each runs under the common error path with its own
  // name; when the error is reported instead of raised, it answers its default.
  bool IsMatch(std::string strBand, std::string strModel, int16_t intHardwareVersion, std::string strTable,
               std::string strRadioOption) const;
  bool IsBandDefault() const;
  bool IsModelDefault() const;
  bool IsRadioOptionDefault() const;
  // Fills the record once; strValue receives the value as stored (a decimal number
  // with the user's decimal separator).
  void SetParameterInformation(std::string strTable, std::string strParameterName, std::string strBand,
                               std::string strModel, int16_t intHWVersionStart, int16_t intHWVersionStop,
                               std::string strRadioOption, std::string& strValue);
  std::string GetValue() const;
  int32_t GetWeighting() const;
  std::string GetParameterName() const;

  // The loader's forms: conditions shared by the lines of one section state, and a
  // radio prepared once per lookup. Same checks, errors and answers as above.
  void SetParameterInformation(calparams::SharedConditions conditions, std::string_view strParameterName,
                               std::string_view strValue, calparams::DecimalSeparatorOnce& separator);
  bool IsMatch(const calparams::MatchQuery& query) const;

  // The record's check of its data: complete conditions, a name and a value.
  static bool Accepts(const calparams::ParameterConditions* conditions, std::string_view name, std::string_view value) {
    return conditions && conditions->complete && !name.empty() && !value.empty();
  }

  // Plain reads for inspection (the tool, tests); no error path. An unfilled record
  // reads as created: empty texts, versions and weighting -1, no conditions.
  bool IsFilled() const { return static_cast<bool>(conditions_); }
  std::string ParameterName() const { return std::string(NameView()); }
  std::string_view NameView() const { return {text_, name_size_}; }
  std::string_view Value() const { return {text_ + name_size_, value_size_}; }
  int32_t Weighting() const { return conditions_ ? conditions_->Weighting() : -1; }
  const calparams::ParameterConditions* Conditions() const { return conditions_.get(); }
  size_t SourceLine() const { return source_line_; }
  // Why the record does not apply to the radio (kMatched when it does); an unfilled
  // record belongs to no table.
  calparams::MatchStage Explain(const calparams::MatchQuery& query) const;

 private:
  void Fill(calparams::SharedConditions conditions, std::string_view name, std::string_view value,
            calparams::DecimalSeparatorOnce& separator);
  bool IsDefault(const calparams::ConditionList* calparams::ParameterConditions::*list, const char* procedure,
                 const char* failure) const;

  // Kept small: a store holds a record per parameter line. Name and value lie end to
  // end in the pool of the conditions, each record's own: names are not looked up
  // while loading (a file may hold a name per line), only when a lookup compares them.
  calparams::SharedConditions conditions_;
  const char* text_ = nullptr;
  uint32_t name_size_ = 0;
  uint32_t value_size_ = 0;
  uint32_t source_line_;
};
static_assert(sizeof(clsCalibrationParameter) <= 32, "a store holds one record per parameter line");

}  // namespace vx4820cal
