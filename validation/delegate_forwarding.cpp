#include "validation/delegate_forwarding.h"

#include <memory>
#include <string_view>

#include "common/error_convention.h"
#include "common/object_access.h"
#include "common/project_globals.h"
#include "vx4820cal/interfaces/itier.h"
#include "vx4820cal/interfaces/itiervalidator.h"

namespace vx4820cal::delegate {
namespace {

// Asks the delegate tier's validator under the procedure's own trap. The delegate and
// its validator are held for the whole call: answering may end in Terminate.
template <class Question>
bool AskDelegate(std::string_view procedure, Question&& question) {
  return TrapAndReport(procedure, false, [&] {
    std::shared_ptr<Itier> delegate = RequiredDelegateTier();
    std::shared_ptr<ItierValidator> validator = Required(delegate->Validator());
    return question(*validator);
  });
}

}  // namespace

bool AddRecord(int32_t& item_nr, int32_t& record_count) {
  return AskDelegate("AddRecord", [&](ItierValidator& v) { return v.AddRecord(item_nr, record_count); });
}

bool DeleteRecord(int32_t& item_nr, int32_t& record_nr) {
  return AskDelegate("DeleteRecord", [&](ItierValidator& v) { return v.DeleteRecord(item_nr, record_nr); });
}

bool ExecuteByTriggerID(std::string& trigger_id) {
  return AskDelegate("ExecuteByTriggerID", [&](ItierValidator& v) { return v.ExecuteByTriggerID(trigger_id); });
}

bool FormValidationByFormName(std::string& form_name) {
  return AskDelegate("FormValidationByFormName",
                     [&](ItierValidator& v) { return v.FormValidationByFormName(form_name, true); });
}

bool GetEnabledStatebyUIID(std::string& uiid, int32_t& record_nr) {
  return AskDelegate("GetEnabledStatebyUIID",
                     [&](ItierValidator& v) { return v.GetEnabledStatebyUIID(uiid, record_nr); });
}

bool PermissionToOpenFormByFormName(std::string& form_name) {
  return AskDelegate("PermissionToOpenFormByFormName",
                     [&](ItierValidator& v) { return v.PermissionToOpenFormByFormName(form_name); });
}

bool RunFinalValidation() {
  return AskDelegate("RunFinalValidation", [](ItierValidator& v) { return v.RunFinalValidation(); });
}

bool ValidateByUIID(std::string& uiid, Variant& value, int32_t& record_nr) {
  return AskDelegate("ValidateByUIID", [&](ItierValidator& v) { return v.ValidateByUIID(uiid, value, record_nr); });
}

bool ExitFocusByUIID(std::string& uiid, Variant& value, int32_t& record_nr) {
  return AskDelegate("ExitFocusByUIID", [&](ItierValidator& v) { return v.ExitFocusByUIID(uiid, value, record_nr); });
}

bool EnterFocusByUIID(std::string uiid, Variant& value, int32_t record_nr) {
  return AskDelegate("EnterFocusByUIID", [&](ItierValidator& v) { return v.EnterFocusByUIID(uiid, value, record_nr); });
}

}  // namespace vx4820cal::delegate
