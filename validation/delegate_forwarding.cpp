#include "validation/delegate_forwarding.h"

#include <memory>
#include <string_view>

#include "common/error_convention.h"
#include "common/object_access.h"
#include "common/project_globals.h"
#include "vx4820cal/interfaces/itier.h"
#include "vx4820cal/interfaces/itiervalidator.h"

namespace vx4820cal {
namespace {

// Asks the delegate tier's validator under the procedure's own trap. The delegate and
// its validator are held for the whole call: answering may end in Terminate.
template <class Question>
bool AskDelegate(std::string_view procedure, Question&& question) {
  bool result = false;
  TrapAndReport(procedure, [&] {
    std::shared_ptr<Itier> delegate = RequiredDelegateTier();
    std::shared_ptr<ItierValidator> validator = Required(delegate->Validator());
    result = question(*validator);
  });
  return result;
}

}  // namespace

bool modvalVX4820CALAddRecord::AddRecord(int32_t& lngItemNr, int32_t& lngRecordCount) {
  return AskDelegate("AddRecord", [&](ItierValidator& v) { return v.AddRecord(lngItemNr, lngRecordCount); });
}

bool modvalVX4820CALDeleteRecord::DeleteRecord(int32_t& lngItemNr, int32_t& lngRecordNr) {
  return AskDelegate("DeleteRecord", [&](ItierValidator& v) { return v.DeleteRecord(lngItemNr, lngRecordNr); });
}

bool modvalVX4820CALTrigger::ExecuteByTriggerID(std::string& strTriggerID) {
  return AskDelegate("ExecuteByTriggerID", [&](ItierValidator& v) { return v.ExecuteByTriggerID(strTriggerID); });
}

bool modvalVX4820CALFormValidation::FormValidationByFormName(std::string& strFormName) {
  return AskDelegate("FormValidationByFormName",
                     [&](ItierValidator& v) { return v.FormValidationByFormName(strFormName, true); });
}

bool modvalVX4820CALFieldEnabled::GetEnabledStatebyUIID(std::string& strUIID, int32_t& lngRecordNr) {
  return AskDelegate("GetEnabledStatebyUIID",
                     [&](ItierValidator& v) { return v.GetEnabledStatebyUIID(strUIID, lngRecordNr); });
}

bool modvalVX4820CALPermitOpenForm::PermissionToOpenFormByFormName(std::string& strFormName) {
  return AskDelegate("PermissionToOpenFormByFormName",
                     [&](ItierValidator& v) { return v.PermissionToOpenFormByFormName(strFormName); });
}

bool modvalVX4820CALFinalValidation::RunFinalValidation() {
  return AskDelegate("RunFinalValidation", [](ItierValidator& v) { return v.RunFinalValidation(); });
}

bool modvalVX4820CALFieldValidation::ValidateByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) {
  return AskDelegate("ValidateByUIID",
                     [&](ItierValidator& v) { return v.ValidateByUIID(strUIID, vntValue, lngRecordNr); });
}

bool modvalVX4820CALExitFocus::ExitFocusByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) {
  return AskDelegate("ExitFocusByUIID",
                     [&](ItierValidator& v) { return v.ExitFocusByUIID(strUIID, vntValue, lngRecordNr); });
}

bool modvalVX4820CALEnterFocus::EnterFocusByUIID(std::string UIID, Variant& Value, int32_t RecordNr) {
  return AskDelegate("EnterFocusByUIID",
                     [&](ItierValidator& v) { return v.EnterFocusByUIID(UIID, Value, RecordNr); });
}

}  // namespace vx4820cal
