#include "validation/tier_validator.h"

#include "common/conversions.h"
#include "common/error_convention.h"
#include "common/message_box.h"
#include "common/object_access.h"
#include "validation/delegate_forwarding.h"
#include "vx4820cal/error.h"
#include "vx4820cal/interfaces/imessenger.h"
#include "vx4820cal/interfaces/itier.h"

namespace vx4820cal {
namespace {

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
bool OfferRetry(Imessenger& messenger, bool closing_form) {
  bool offered = messenger.GetStatus() == Imessenger::kStatusRadioCommandsFailed && closing_form;
  if (!offered || !UserWantsToRetry(messenger)) return false;
  ReconnectRadio(messenger);
  return true;
}

// The delegate is asked again only when the user chose to reconnect. When no retry is
// offered (the host's status is not the failed-shutdown one, or the form is not
// closing) the form is validated once: the host needs the call to come back.
bool ValidateFormWithRetry(const std::shared_ptr<Imessenger>& messenger, std::string& form_name, bool closing_form) {
  bool result = false;
  bool retry = false;
  do {
    result = delegate::FormValidationByFormName(form_name);
    retry = !result && OfferRetry(*Required(messenger), closing_form);
  } while (retry);
  if (!result) Required(messenger)->ReportFailure();
  return result;
}

class clsVX4820CALTierValidator final : public ItierValidator {
 public:
  ~clsVX4820CALTierValidator() override;

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

 private:
  // The guard, then the delegate's answer, under the operation's trap.
  template <class Forward>
  bool Guarded(std::string_view procedure, Forward&& forward);

  std::shared_ptr<Ivalidator> validator_;
  std::shared_ptr<Itier> tier_;
};

clsVX4820CALTierValidator::~clsVX4820CALTierValidator() {
  validator_.reset();
  tier_.reset();
}

template <class Forward>
bool clsVX4820CALTierValidator::Guarded(std::string_view procedure, Forward&& forward) {
  return TrapAndReport(procedure, false, [&] {
    CheckValidatorInitialised(validator_);
    return forward();
  });
}

bool clsVX4820CALTierValidator::AddRecord(int32_t& lngItemNr, int32_t& lngRecordCount) {
  return Guarded("ItierValidator_AddRecord", [&] { return delegate::AddRecord(lngItemNr, lngRecordCount); });
}

bool clsVX4820CALTierValidator::DeleteRecord(int32_t& lngItemNr, int32_t& lngRecordNr) {
  return Guarded("ItierValidator_DeleteRecord", [&] { return delegate::DeleteRecord(lngItemNr, lngRecordNr); });
}

bool clsVX4820CALTierValidator::ExecuteByTriggerID(std::string& strTriggerID) {
  return Guarded("ItierValidator_ExecuteByTriggerID", [&] { return delegate::ExecuteByTriggerID(strTriggerID); });
}

bool clsVX4820CALTierValidator::GetEnabledStatebyUIID(std::string& strUIID, int32_t& lngRecordNr) {
  return Guarded("ItierValidator_GetEnabledStatebyUIID",
                 [&] { return delegate::GetEnabledStatebyUIID(strUIID, lngRecordNr); });
}

bool clsVX4820CALTierValidator::PermissionToOpenFormByFormName(std::string& strFormName) {
  return Guarded("ItierValidator_PermissionToOpenFormByFormName",
                 [&] { return delegate::PermissionToOpenFormByFormName(strFormName); });
}

bool clsVX4820CALTierValidator::RunFinalValidation() {
  return Guarded("ItierValidator_RunFinalValidation", [] { return delegate::RunFinalValidation(); });
}

bool clsVX4820CALTierValidator::ValidateByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) {
  return Guarded("ItierValidator_ValidateByUIID",
                 [&] { return delegate::ValidateByUIID(strUIID, vntValue, lngRecordNr); });
}

bool clsVX4820CALTierValidator::ExitFocusByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) {
  return Guarded("ItierValidator_ExitFocusByUIID",
                 [&] { return delegate::ExitFocusByUIID(strUIID, vntValue, lngRecordNr); });
}

bool clsVX4820CALTierValidator::EnterFocusByUIID(std::string UIID, Variant& Value, int32_t& RecordNr) {
  return Guarded("ItierValidator_EnterFocusByUIID", [&] { return delegate::EnterFocusByUIID(UIID, Value, RecordNr); });
}

bool clsVX4820CALTierValidator::RunPreProgramValidation() {
  return TrapAndReport("ItierValidator_RunPreProgramValidation", false, [&] {
    std::shared_ptr<Imessenger> messenger = Required(tier_)->Messenger();
    return AskYesNo(*Required(messenger),
                    "You will overwrite the calibration data in the radio with this Program Radio action. Are "
                    "you sure you wish to continue? (Choose 'No' to Cancel)",
                    "CAL DATA OVERWRITE WARNING");
  });
}

bool clsVX4820CALTierValidator::FormValidationByFormName(std::string& strFormName, bool blnClosingForm) {
  return TrapAndReport("ItierValidator_FormValidationByFormName", false, [&] {
    // The messenger is read before the guard, so a validator without a tier fails first.
    std::shared_ptr<Imessenger> messenger = Required(tier_)->Messenger();
    CheckValidatorInitialised(validator_);
    return ValidateFormWithRetry(messenger, strFormName, blnClosingForm);
  });
}

std::shared_ptr<Ivalidator> clsVX4820CALTierValidator::Validator() { return validator_; }

void clsVX4820CALTierValidator::Validator(std::shared_ptr<Ivalidator> objValidator) {
  validator_ = std::move(objValidator);
}

void clsVX4820CALTierValidator::Initialize(std::shared_ptr<Itier> objTier, std::shared_ptr<Ivalidator> objValidator) {
  tier_ = std::move(objTier);
  validator_ = std::move(objValidator);
}

}  // namespace

std::shared_ptr<ItierValidator> NewTierValidator() { return std::make_shared<clsVX4820CALTierValidator>(); }

void CheckValidatorInitialised(const std::shared_ptr<Ivalidator>& validator) {
  if (validator) return;
  throw Error(err::kValidatorNotInitialised, "ItierValidator",
              std::string("ItierValidator not initialised.") +
                  " Please set object reference to Validator before calling any ItierValidator methods");
}

}  // namespace vx4820cal
