#include "calparams/calibration_parameter.h"

#include "calparams/parameter_errors.h"
#include "tier/common_globals.h"
#include "tier/error_convention.h"
#include "tier/text.h"

namespace vx4820cal {

using calparams::ParameterConditions;
using calparams::ParameterError;

bool clsCalibrationParameter::IsMatch(std::string strBand, std::string strModel, int16_t intHardwareVersion,
                                      std::string strTable, std::string strRadioOption) const {
  // The checks and the error path are those of every lookup's prepared radio.
  return IsMatch(calparams::MatchQuery(strBand, strModel, intHardwareVersion, strTable, strRadioOption));
}

bool clsCalibrationParameter::IsMatch(const calparams::MatchQuery& query) const {
  bool result = false;
  TrapAndReport("IsMatch", [&] {
    if (!query.valid || !IsFilled()) throw ParameterError(calparams::kInvalidData, "IsMatch");
    result = Explain(query) == calparams::MatchStage::kMatched;
  });
  return result;
}

calparams::MatchStage clsCalibrationParameter::Explain(const calparams::MatchQuery& query) const {
  return conditions_ ? Evaluate(*conditions_, query) : calparams::MatchStage::kTable;
}

bool clsCalibrationParameter::IsDefault(bool ParameterConditions::*flag, const char* procedure,
                                        const char* failure) const {
  bool result = false;
  TrapAndReport(procedure, [&] {
    if (!conditions_) throw ParameterError(failure, procedure);
    result = (*conditions_).*flag;
  });
  return result;
}

bool clsCalibrationParameter::IsBandDefault() const {
  return IsDefault(&ParameterConditions::band_default, "IsBandDefault", calparams::kInvalidBand);
}

bool clsCalibrationParameter::IsModelDefault() const {
  return IsDefault(&ParameterConditions::model_default, "IsModelDefault", calparams::kInvalidModel);
}

bool clsCalibrationParameter::IsRadioOptionDefault() const {
  return IsDefault(&ParameterConditions::radio_option_default, "IsRadioOptionDefault", calparams::kInvalidRadioOption);
}

void clsCalibrationParameter::SetParameterInformation(std::string strTable, std::string strParameterName,
                                                      std::string strBand, std::string strModel,
                                                      int16_t intHWVersionStart, int16_t intHWVersionStop,
                                                      std::string strRadioOption, std::string& strValue) {
  TrapAndReport("SetParameterInformation", [&] {
    Fill(calparams::MakeConditions(strTable, strBand, strModel, intHWVersionStart, intHWVersionStop, strRadioOption),
         strParameterName, strValue);
  });
}

void clsCalibrationParameter::SetParameterInformation(std::shared_ptr<const ParameterConditions> conditions,
                                                      std::string strParameterName, std::string& strValue) {
  TrapAndReport("SetParameterInformation", [&] { Fill(std::move(conditions), strParameterName, strValue); });
}

void clsCalibrationParameter::Fill(std::shared_ptr<const ParameterConditions> conditions, std::string& name,
                                   std::string& value) {
  if (!Accepts(conditions.get(), name, value)) {
    throw ParameterError(calparams::kInvalidParameterData, "SetParameterInformation");
  }
  if (IsDouble(value)) {
    // Stored as the user writes decimals. Without a known separator the value stays
    // as it is: dropping the point would turn 12.8 into 128.
    std::string symbol = DecimalSymbol();
    if (!symbol.empty() && symbol != ".") value = ReplaceAll(value, ".", symbol);
  }
  parameter_name_ = std::move(name);
  value_ = value;
  conditions_ = std::move(conditions);
}

std::string clsCalibrationParameter::GetValue() const {
  std::string result;
  TrapAndReport("GetValue", [&] {
    if (value_.empty()) throw ParameterError(calparams::kInvalidValue, "GetValue");
    result = value_;
  });
  return result;
}

int32_t clsCalibrationParameter::GetWeighting() const {
  int32_t result = 0;
  TrapAndReport("GetWeighting", [&] {
    if (!conditions_) throw ParameterError(calparams::kValueNotSet, "GetWeighting");
    result = conditions_->Weighting();
  });
  return result;
}

std::string clsCalibrationParameter::GetParameterName() const {
  std::string result;
  TrapAndReport("GetParameterName", [&] {
    if (parameter_name_.empty()) throw ParameterError(calparams::kValueNotSet, "GetParameterName");
    result = parameter_name_;
  });
  return result;
}

}  // namespace vx4820cal
