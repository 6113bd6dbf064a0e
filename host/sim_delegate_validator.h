#pragma once
// The validator of the host's "LR2930 Cal" tier: answers each question from a script,
// records every call with its arguments, and can change the by-reference record number
// and value, so tests see what the component passes back to the host.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/call_log.h"
#include "vx4820cal/error.h"
#include "vx4820cal/interfaces/itiervalidator.h"
#include "vx4820cal/interfaces/ivalidator.h"

namespace vx4820cal::simhost {

// The host's own validator: tiers only hold it and hand it on.
class SimHostValidator : public Ivalidator {};

class SimDelegateValidator : public ItierValidator {
 public:
  bool AddRecord(int32_t& lngItemNr, int32_t& lngRecordCount) override;
  bool DeleteRecord(int32_t& lngItemNr, int32_t& lngRecordNr) override;
  bool ExecuteByTriggerID(std::string& strTriggerID) override;
  bool FormValidationByFormName(std::string& strFormName, bool blnClosingForm) override;
  bool GetEnabledStatebyUIID(std::string& strUIID, int32_t& lngRecordNr) override;
  bool PermissionToOpenFormByFormName(std::string& strFormName) override;
  bool RunPreProgramValidation() override;
  bool RunFinalValidation() override;
  bool ValidateByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) override;
  bool ExitFocusByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) override;
  bool EnterFocusByUIID(std::string UIID, Variant& Value, int32_t& RecordNr) override;
  std::shared_ptr<Ivalidator> Validator() override;
  void Validator(std::shared_ptr<Ivalidator> objValidator) override;
  void Initialize(std::shared_ptr<Itier> objTier, std::shared_ptr<Ivalidator> objValidator) override;

  // Script. Answers to one operation are given in order; once they run out, that
  // operation answers the default (true unless set).
  void ScriptAnswers(const std::string& operation, std::vector<bool> answers);
  void SetDefaultAnswer(bool answer) { default_answer_ = answer; }
  // Every call to the operation raises this error until it is cleared (nullopt).
  void SetFailure(const std::string& operation, std::optional<Error> failure);
  // Record numbers and values the delegate writes into its by-reference arguments.
  void ChangeRecordNumberTo(std::optional<int32_t> record_nr) { new_record_nr_ = record_nr; }
  void ChangeValueTo(std::optional<Variant> value) { new_value_ = std::move(value); }

  // What the delegate received. Arguments are logged as text, record numbers and
  // Booleans as the host writes them ("3", "True").
  const CallLog& Log() const { return log_; }
  CallLog& Log() { return log_; }
  const std::shared_ptr<Itier>& InitializedTier() const { return tier_; }
  // Drops the tier and validator it was given, breaking cycles with the component.
  void ReleaseAll();

 private:
  // Records the call, raises a scripted failure, else answers from the script.
  bool Answer(const std::string& operation, std::vector<std::string> args);
  void ChangeRecordNumber(int32_t& record_nr) const;
  void ChangeValue(Variant& value) const;

  CallLog log_;
  std::map<std::string, std::deque<bool>> answers_;
  std::map<std::string, Error> failures_;
  bool default_answer_ = true;
  std::optional<int32_t> new_record_nr_;
  std::optional<Variant> new_value_;
  std::shared_ptr<Itier> tier_;
  std::shared_ptr<Ivalidator> validator_;
};

// A variant as the simulated host logs it.
std::string VariantLogText(const Variant& value);

}  // namespace vx4820cal::simhost
