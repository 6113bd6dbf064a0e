#pragma once
// The validator questions this tier hands on to the delegate tier's validator. Each
// asks the delegate the same question and answers what it answered.
#include <cstdint>
#include <string>

#include "vx4820cal/variant.h"

namespace vx4820cal {

namespace modvalVX4820CALAddRecord {
bool AddRecord(int32_t& lngItemNr, int32_t& lngRecordCount);
}
namespace modvalVX4820CALDeleteRecord {
bool DeleteRecord(int32_t& lngItemNr, int32_t& lngRecordNr);
}
namespace modvalVX4820CALTrigger {
bool ExecuteByTriggerID(std::string& strTriggerID);
}
namespace modvalVX4820CALFormValidation {
// The delegate is always asked as for a closing form.
bool FormValidationByFormName(std::string& strFormName);
}
namespace modvalVX4820CALFieldEnabled {
bool GetEnabledStatebyUIID(std::string& strUIID, int32_t& lngRecordNr);
}
namespace modvalVX4820CALPermitOpenForm {
bool PermissionToOpenFormByFormName(std::string& strFormName);
}
namespace modvalVX4820CALFinalValidation {
bool RunFinalValidation();
}
namespace modvalVX4820CALFieldValidation {
bool ValidateByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr);
}
namespace modvalVX4820CALExitFocus {
bool ExitFocusByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr);
}
namespace modvalVX4820CALEnterFocus {
// The delegate gets a copy of the record number: its changes stay with it.
bool EnterFocusByUIID(std::string UIID, Variant& Value, int32_t RecordNr);
}

}  // namespace vx4820cal
