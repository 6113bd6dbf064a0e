#pragma once
// A host tier validator (the delegate tier's) as the core's ItierValidator.
#include "com/host_proxy.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

class TierValidatorProxy final : public vx4820cal::ItierValidator, public HostProxy<::ItierValidator> {
 public:
  using HostProxy::HostProxy;

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
  std::shared_ptr<vx4820cal::Ivalidator> Validator() override;
  void Validator(std::shared_ptr<vx4820cal::Ivalidator> objValidator) override;
  void Initialize(std::shared_ptr<vx4820cal::Itier> objTier,
                  std::shared_ptr<vx4820cal::Ivalidator> objValidator) override;
};

}  // namespace vx4820cal::com
