#include "host/sim_delegate_validator.h"

#include <sstream>

#include "vx4820cal/interfaces/itier.h"

namespace vx4820cal::simhost {
namespace {

std::string BooleanText(bool value) { return value ? "True" : "False"; }

}  // namespace

std::string VariantLogText(const Variant& value) {
  switch (value.GetKind()) {
    case Variant::Kind::Empty: return "";
    case Variant::Kind::Long: return std::to_string(value.AsLongUnchecked());
    case Variant::Kind::Double: {
      std::ostringstream text;
      text << value.AsDoubleUnchecked();
      return text.str();
    }
    case Variant::Kind::Boolean: return BooleanText(value.AsBooleanUnchecked());
    case Variant::Kind::Text: return value.AsTextUnchecked();
    case Variant::Kind::Object: return "<object>";
  }
  return "";
}

void SimDelegateValidator::ScriptAnswers(const std::string& operation, std::vector<bool> answers) {
  answers_[operation].assign(answers.begin(), answers.end());
}

void SimDelegateValidator::SetFailure(const std::string& operation, std::optional<Error> failure) {
  failures_.erase(operation);
  if (failure) failures_.emplace(operation, *failure);
}

bool SimDelegateValidator::Answer(const std::string& operation, std::vector<std::string> args) {
  log_.Record(operation, std::move(args));
  if (auto failure = failures_.find(operation); failure != failures_.end()) throw failure->second;
  std::deque<bool>& script = answers_[operation];
  if (script.empty()) return default_answer_;
  bool answer = script.front();
  script.pop_front();
  return answer;
}

void SimDelegateValidator::ChangeRecordNumber(int32_t& record_nr) const {
  if (new_record_nr_) record_nr = *new_record_nr_;
}

void SimDelegateValidator::ChangeValue(Variant& value) const {
  if (new_value_) value = *new_value_;
}

bool SimDelegateValidator::AddRecord(int32_t& lngItemNr, int32_t& lngRecordCount) {
  return Answer("AddRecord", {std::to_string(lngItemNr), std::to_string(lngRecordCount)});
}

bool SimDelegateValidator::DeleteRecord(int32_t& lngItemNr, int32_t& lngRecordNr) {
  bool answer = Answer("DeleteRecord", {std::to_string(lngItemNr), std::to_string(lngRecordNr)});
  ChangeRecordNumber(lngRecordNr);
  return answer;
}

bool SimDelegateValidator::ExecuteByTriggerID(std::string& strTriggerID) {
  return Answer("ExecuteByTriggerID", {strTriggerID});
}

bool SimDelegateValidator::FormValidationByFormName(std::string& strFormName, bool blnClosingForm) {
  return Answer("FormValidationByFormName", {strFormName, BooleanText(blnClosingForm)});
}

bool SimDelegateValidator::GetEnabledStatebyUIID(std::string& strUIID, int32_t& lngRecordNr) {
  bool answer = Answer("GetEnabledStatebyUIID", {strUIID, std::to_string(lngRecordNr)});
  ChangeRecordNumber(lngRecordNr);
  return answer;
}

bool SimDelegateValidator::PermissionToOpenFormByFormName(std::string& strFormName) {
  return Answer("PermissionToOpenFormByFormName", {strFormName});
}

bool SimDelegateValidator::RunPreProgramValidation() { return Answer("RunPreProgramValidation", {}); }

bool SimDelegateValidator::RunFinalValidation() { return Answer("RunFinalValidation", {}); }

bool SimDelegateValidator::ValidateByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) {
  bool answer = Answer("ValidateByUIID", {strUIID, VariantLogText(vntValue), std::to_string(lngRecordNr)});
  ChangeValue(vntValue);
  ChangeRecordNumber(lngRecordNr);
  return answer;
}

bool SimDelegateValidator::ExitFocusByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) {
  bool answer = Answer("ExitFocusByUIID", {strUIID, VariantLogText(vntValue), std::to_string(lngRecordNr)});
  ChangeValue(vntValue);
  ChangeRecordNumber(lngRecordNr);
  return answer;
}

bool SimDelegateValidator::EnterFocusByUIID(std::string UIID, Variant& Value, int32_t& RecordNr) {
  bool answer = Answer("EnterFocusByUIID", {UIID, VariantLogText(Value), std::to_string(RecordNr)});
  ChangeValue(Value);
  ChangeRecordNumber(RecordNr);
  return answer;
}

std::shared_ptr<Ivalidator> SimDelegateValidator::Validator() {
  log_.Record("Validator");
  return validator_;
}

void SimDelegateValidator::Validator(std::shared_ptr<Ivalidator> objValidator) {
  log_.Record("Validator Set");
  validator_ = std::move(objValidator);
}

void SimDelegateValidator::Initialize(std::shared_ptr<Itier> objTier, std::shared_ptr<Ivalidator> objValidator) {
  log_.Record("Initialize", {objTier ? objTier->TierName() : std::string()});
  tier_ = std::move(objTier);
  validator_ = std::move(objValidator);
}

void SimDelegateValidator::ReleaseAll() {
  tier_.reset();
  validator_.reset();
}

}  // namespace vx4820cal::simhost
