#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/interfaces/forward.h"
#include "vx4820cal/object.h"
#include "vx4820cal/variant.h"

namespace vx4820cal {

// The questions the host asks before and after edits, form changes and programming.
class VX4820CAL_API ItierValidator : public virtual Object {
 public:
  static constexpr std::string_view kIID = "{07ABE768-25BB-4829-B108-A4165B9F2E47}";
  virtual bool AddRecord(int32_t& lngItemNr, int32_t& lngRecordCount) = 0;
  virtual bool DeleteRecord(int32_t& lngItemNr, int32_t& lngRecordNr) = 0;
  virtual bool ExecuteByTriggerID(std::string& strTriggerID) = 0;
  // blnClosingForm is optional for the host; it passes false when it has none.
  virtual bool FormValidationByFormName(std::string& strFormName, bool blnClosingForm) = 0;
  // lngRecordNr is optional for the host; it passes a variable holding 0 when it has none.
  virtual bool GetEnabledStatebyUIID(std::string& strUIID, int32_t& lngRecordNr) = 0;
  virtual bool PermissionToOpenFormByFormName(std::string& strFormName) = 0;
  virtual bool RunPreProgramValidation() = 0;
  virtual bool RunFinalValidation() = 0;
  virtual bool ValidateByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) = 0;
  virtual bool ExitFocusByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) = 0;
  virtual bool EnterFocusByUIID(std::string UIID, Variant& Value, int32_t& RecordNr) = 0;
  virtual std::shared_ptr<Ivalidator> Validator() = 0;
  virtual void Validator(std::shared_ptr<Ivalidator> objValidator) = 0;
  virtual void Initialize(std::shared_ptr<Itier> objTier, std::shared_ptr<Ivalidator> objValidator) = 0;
};

}  // namespace vx4820cal
