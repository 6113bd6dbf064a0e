#pragma once
// The tier's validator: the host consults it around edits, form changes and
// programming. Most questions go to the delegate tier's validator; this tier decides
// only the overwrite confirmation before programming and the reconnect-and-retry
// offer when a form change fails.
#include <memory>
#include <string>
#include <string_view>

#include "vx4820cal/interfaces/itier.h"
#include "vx4820cal/interfaces/itiervalidator.h"
#include "vx4820cal/interfaces/ivalidator.h"

namespace vx4820cal {

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

}  // namespace vx4820cal
