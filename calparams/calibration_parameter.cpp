#include "calparams/calibration_parameter.h"

#include <limits>

#include "calparams/parameter_errors.h"
#include "common/conversions.h"
#include "common/decimal_symbol.h"
#include "common/error_convention.h"
#include "common/text.h"

namespace vx4820cal {

using calparams::ParameterConditions;
using calparams::ParameterError;
using calparams::SharedConditions;

const std::string& calparams::DecimalSeparatorOnce::Get() {
  if (!symbol_) symbol_ = DecimalSymbol();
  return *symbol_;
}

bool clsCalibrationParameter::IsMatch(std::string strBand, std::string strModel, int16_t intHardwareVersion,
                                      std::string strTable, std::string strRadioOption) const {
  // The checks and the error path are those of every lookup's prepared radio.
  return IsMatch(calparams::MatchQuery(strBand, strModel, intHardwareVersion, strTable, strRadioOption));
}

bool clsCalibrationParameter::IsMatch(const calparams::MatchQuery& query) const {
  return TrapAndReport("IsMatch", false, [&] {
    if (!query.valid || !IsFilled()) throw ParameterError(calparams::kInvalidData, "IsMatch");
    return Explain(query) == calparams::MatchStage::kMatched;
  });
}

calparams::MatchStage clsCalibrationParameter::Explain(const calparams::MatchQuery& query) const {
  return conditions_ ? Evaluate(*conditions_, query) : calparams::MatchStage::kTable;
}

bool clsCalibrationParameter::IsDefault(const calparams::ConditionList* ParameterConditions::*list,
                                        const char* procedure, const char* failure) const {
  return TrapAndReport(procedure, false, [&] {
    if (!conditions_) throw ParameterError(failure, procedure);
    return ((*conditions_).*list)->is_default;
  });
}

bool clsCalibrationParameter::IsBandDefault() const {
  return IsDefault(&ParameterConditions::bands, "IsBandDefault", calparams::kInvalidBand);
}

bool clsCalibrationParameter::IsModelDefault() const {
  return IsDefault(&ParameterConditions::models, "IsModelDefault", calparams::kInvalidModel);
}

bool clsCalibrationParameter::IsRadioOptionDefault() const {
  return IsDefault(&ParameterConditions::radio_options, "IsRadioOptionDefault", calparams::kInvalidRadioOption);
}

void clsCalibrationParameter::SetParameterInformation(std::string strTable, std::string strParameterName,
                                                      std::string strBand, std::string strModel,
                                                      int16_t intHWVersionStart, int16_t intHWVersionStop,
                                                      std::string strRadioOption, std::string& strValue) {
  TrapAndReport("SetParameterInformation", [&] {
    calparams::DecimalSeparatorOnce separator;
    Fill(calparams::MakeConditions(strTable, strBand, strModel, intHWVersionStart, intHWVersionStop, strRadioOption),
         strParameterName, strValue, separator);
    strValue = Value();
  });
}

void clsCalibrationParameter::SetParameterInformation(SharedConditions conditions, std::string_view strParameterName,
                                                      std::string_view strValue,
                                                      calparams::DecimalSeparatorOnce& separator) {
  TrapAndReport("SetParameterInformation", [&] { Fill(std::move(conditions), strParameterName, strValue, separator); });
}

void clsCalibrationParameter::Fill(SharedConditions conditions, std::string_view name, std::string_view value,
                                   calparams::DecimalSeparatorOnce& separator) {
  if (!Accepts(conditions.get(), name, value)) {
    throw ParameterError(calparams::kInvalidParameterData, "SetParameterInformation");
  }
  // Stored as the user writes decimals. Without a known separator the value stays
  // as it is: dropping the point would turn 12.8 into 128.
  const std::string* symbol = IsDouble(value) ? &separator.Get() : nullptr;
  std::string converted;
  if (symbol && !symbol->empty() && *symbol != ".") value = converted = ReplaceAll(value, ".", *symbol);
  constexpr size_t kMost = std::numeric_limits<uint32_t>::max();
  if (name.size() > kMost || value.size() > kMost) throw RuntimeError(err::kOutOfMemory);
  text_ = conditions->pool->KeepTexts(name, value);
  name_size_ = static_cast<uint32_t>(name.size());
  value_size_ = static_cast<uint32_t>(value.size());
  conditions_ = std::move(conditions);
}

std::string clsCalibrationParameter::GetValue() const {
  return TrapAndReport("GetValue", std::string(), [&] {
    if (value_size_ == 0) throw ParameterError(calparams::kInvalidValue, "GetValue");
    return std::string(Value());
  });
}

int32_t clsCalibrationParameter::GetWeighting() const {
  return TrapAndReport("GetWeighting", int32_t{0}, [&] {
    if (!conditions_) throw ParameterError(calparams::kValueNotSet, "GetWeighting");
    return conditions_->Weighting();
  });
}

std::string clsCalibrationParameter::GetParameterName() const {
  return TrapAndReport("GetParameterName", std::string(), [&] {
    if (ParameterName().empty()) throw ParameterError(calparams::kValueNotSet, "GetParameterName");
    return std::string(ParameterName());
  });
}

}  // namespace vx4820cal
