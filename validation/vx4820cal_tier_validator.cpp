#include "validation/vx4820cal_tier_validator.h"

#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/message_box.h"
#include "common/object_access.h"
#include "validation/delegate_forwarding.h"
#include "validation/validator_support.h"
#include "vx4820cal/interfaces/imessenger.h"

namespace vx4820cal {
namespace {

using modItierValidatorSupport::CheckValidatorInitialised;

constexpr const char* kPortSettingName = "CommPortNumber";
constexpr const char* kPortSettingDefault = "1";

bool AskYesNo(Imessenger& messenger, const std::string& prompt, const std::string& title) {
  int32_t answer = 0;
  messenger.MessageBox(prompt, kYesNoExclamation, title, "", answer);
  return answer == kAnswerYes;
}

bool UserWantsToRetry(Imessenger& messenger) {
  return AskYesNo(messenger,
                  "Unable to perform test shutdown commands for this radio. Please ensure that radio is properly "
                  "connected.  Do you want to attempt to retry now?",
                  "Form change failed");
}

// Drops and re-opens the radio's port before validating again.
void ReconnectRadio(Imessenger& messenger) {
  int32_t port = TextToLong(messenger.GetSetting(kPortSettingName, kPortSettingDefault));
  messenger.PortCommand(0, port);
  messenger.PortCommand(1, port);
}

// After a refused form change: offers to reconnect when the radio's shutdown commands
// failed on a closing form, and reconnects when the user accepts. True to validate again.
bool OfferRetry(Imessenger& messenger, bool blnClosingForm) {
  bool offered = messenger.GetStatus() == Imessenger::kStatusRadioCommandsFailed && blnClosingForm;
  if (!offered || !UserWantsToRetry(messenger)) return false;
  ReconnectRadio(messenger);
  return true;
}

// The delegate is asked again only when the user chose to reconnect. When no retry is
// offered (the host's status is not the failed-shutdown one, or the form is not
// closing) the form is validated once: the host needs the call to come back.
bool ValidateFormWithRetry(const std::shared_ptr<Imessenger>& messenger, std::string& strFormName,
                           bool blnClosingForm) {
  bool result = false;
  bool retry = false;
  do {
    result = modvalVX4820CALFormValidation::FormValidationByFormName(strFormName);
    retry = !result && OfferRetry(*Required(messenger), blnClosingForm);
  } while (retry);
  if (!result) Required(messenger)->ReportFailure();
  return result;
}

}  // namespace

clsVX4820CALTierValidator::~clsVX4820CALTierValidator() {
  validator_.reset();
  tier_.reset();
}

template <class Forward>
bool clsVX4820CALTierValidator::Guarded(std::string_view procedure, Forward&& forward) {
  bool result = false;
  TrapAndReport(procedure, [&] {
    CheckValidatorInitialised(validator_);
    result = forward();
  });
  return result;
}

bool clsVX4820CALTierValidator::AddRecord(int32_t& lngItemNr, int32_t& lngRecordCount) {
  return Guarded("ItierValidator_AddRecord",
                 [&] { return modvalVX4820CALAddRecord::AddRecord(lngItemNr, lngRecordCount); });
}

bool clsVX4820CALTierValidator::DeleteRecord(int32_t& lngItemNr, int32_t& lngRecordNr) {
  return Guarded("ItierValidator_DeleteRecord",
                 [&] { return modvalVX4820CALDeleteRecord::DeleteRecord(lngItemNr, lngRecordNr); });
}

bool clsVX4820CALTierValidator::ExecuteByTriggerID(std::string& strTriggerID) {
  return Guarded("ItierValidator_ExecuteByTriggerID",
                 [&] { return modvalVX4820CALTrigger::ExecuteByTriggerID(strTriggerID); });
}

bool clsVX4820CALTierValidator::GetEnabledStatebyUIID(std::string& strUIID, int32_t& lngRecordNr) {
  return Guarded("ItierValidator_GetEnabledStatebyUIID",
                 [&] { return modvalVX4820CALFieldEnabled::GetEnabledStatebyUIID(strUIID, lngRecordNr); });
}

bool clsVX4820CALTierValidator::PermissionToOpenFormByFormName(std::string& strFormName) {
  return Guarded("ItierValidator_PermissionToOpenFormByFormName",
                 [&] { return modvalVX4820CALPermitOpenForm::PermissionToOpenFormByFormName(strFormName); });
}

bool clsVX4820CALTierValidator::RunFinalValidation() {
  return Guarded("ItierValidator_RunFinalValidation",
                 [] { return modvalVX4820CALFinalValidation::RunFinalValidation(); });
}

bool clsVX4820CALTierValidator::ValidateByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) {
  return Guarded("ItierValidator_ValidateByUIID",
                 [&] { return modvalVX4820CALFieldValidation::ValidateByUIID(strUIID, vntValue, lngRecordNr); });
}

bool clsVX4820CALTierValidator::ExitFocusByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) {
  return Guarded("ItierValidator_ExitFocusByUIID",
                 [&] { return modvalVX4820CALExitFocus::ExitFocusByUIID(strUIID, vntValue, lngRecordNr); });
}

bool clsVX4820CALTierValidator::EnterFocusByUIID(std::string UIID, Variant& Value, int32_t& RecordNr) {
  return Guarded("ItierValidator_EnterFocusByUIID",
                 [&] { return modvalVX4820CALEnterFocus::EnterFocusByUIID(UIID, Value, RecordNr); });
}

bool clsVX4820CALTierValidator::RunPreProgramValidation() {
  bool result = false;
  TrapAndReport("ItierValidator_RunPreProgramValidation", [&] {
    std::shared_ptr<Imessenger> messenger = Required(tier_)->Messenger();
    result = AskYesNo(*Required(messenger),
                      "You will overwrite the calibration data in the radio with this Program Radio action. Are "
                      "you sure you wish to continue? (Choose 'No' to Cancel)",
                      "CAL DATA OVERWRITE WARNING");
  });
  return result;
}

bool clsVX4820CALTierValidator::FormValidationByFormName(std::string& strFormName, bool blnClosingForm) {
  bool result = false;
  TrapAndReport("ItierValidator_FormValidationByFormName", [&] {
    // The messenger is read before the guard, so a validator without a tier fails first.
    std::shared_ptr<Imessenger> messenger = Required(tier_)->Messenger();
    CheckValidatorInitialised(validator_);
    result = ValidateFormWithRetry(messenger, strFormName, blnClosingForm);
  });
  return result;
}

std::shared_ptr<Ivalidator> clsVX4820CALTierValidator::Validator() { return validator_; }

void clsVX4820CALTierValidator::Validator(std::shared_ptr<Ivalidator> objValidator) {
  validator_ = std::move(objValidator);
}

void clsVX4820CALTierValidator::Initialize(std::shared_ptr<Itier> objTier, std::shared_ptr<Ivalidator> objValidator) {
  tier_ = std::move(objTier);
  validator_ = std::move(objValidator);
}

}  // namespace vx4820cal
