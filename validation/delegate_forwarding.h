#pragma once
// The validator questions this tier hands on to the delegate tier's validator. Each
// asks the delegate the same question and answers what it answered.
#include <cstdint>
#include <string>

#include "vx4820cal/variant.h"

namespace vx4820cal::delegate {

bool AddRecord(int32_t& item_nr, int32_t& record_count);
bool DeleteRecord(int32_t& item_nr, int32_t& record_nr);
bool ExecuteByTriggerID(std::string& trigger_id);
// The delegate is always asked as for a closing form.
bool FormValidationByFormName(std::string& form_name);
bool GetEnabledStatebyUIID(std::string& uiid, int32_t& record_nr);
bool PermissionToOpenFormByFormName(std::string& form_name);
bool RunFinalValidation();
bool ValidateByUIID(std::string& uiid, Variant& value, int32_t& record_nr);
bool ExitFocusByUIID(std::string& uiid, Variant& value, int32_t& record_nr);
// The delegate gets a copy of the record number: its changes stay with it.
bool EnterFocusByUIID(std::string uiid, Variant& value, int32_t record_nr);

}  // namespace vx4820cal::delegate
