#pragma once
// The tier validator as a COM object (ItierValidator).
#include "com/dispatch_object.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

using TierValidatorBase = DispatchObject<vx4820cal::ItierValidator, ::ItierValidator>;

class TierValidatorObject final : public TierValidatorBase {
 public:
  using TierValidatorBase::TierValidatorBase;

  HRESULT STDMETHODCALLTYPE AddRecord(LONG* lngItemNr, LONG* lngRecordCount, VARIANT_BOOL* Allowed) override;
  HRESULT STDMETHODCALLTYPE DeleteRecord(LONG* lngItemNr, LONG* lngRecordNr, VARIANT_BOOL* Allowed) override;
  HRESULT STDMETHODCALLTYPE ExecuteByTriggerID(BSTR* strTriggerID, VARIANT_BOOL* Done) override;
  HRESULT STDMETHODCALLTYPE FormValidationByFormName(BSTR* strFormName, VARIANT_BOOL blnClosingForm,
                                                     VARIANT_BOOL* Valid) override;
  HRESULT STDMETHODCALLTYPE GetEnabledStatebyUIID(BSTR* strUIID, LONG* lngRecordNr, VARIANT_BOOL* Enabled) override;
  HRESULT STDMETHODCALLTYPE PermissionToOpenFormByFormName(BSTR* strFormName, VARIANT_BOOL* Allowed) override;
  HRESULT STDMETHODCALLTYPE RunPreProgramValidation(VARIANT_BOOL* Go) override;
  HRESULT STDMETHODCALLTYPE RunFinalValidation(VARIANT_BOOL* Valid) override;
  HRESULT STDMETHODCALLTYPE ValidateByUIID(BSTR* strUIID, VARIANT* vntValue, LONG* lngRecordNr,
                                           VARIANT_BOOL* Valid) override;
  HRESULT STDMETHODCALLTYPE ExitFocusByUIID(BSTR* strUIID, VARIANT* vntValue, LONG* lngRecordNr,
                                            VARIANT_BOOL* Valid) override;
  HRESULT STDMETHODCALLTYPE EnterFocusByUIID(BSTR UIID, VARIANT* Value, LONG* RecordNr, VARIANT_BOOL* Valid) override;
  HRESULT STDMETHODCALLTYPE get_Validator(::Ivalidator** Validator) override;
  HRESULT STDMETHODCALLTYPE putref_Validator(::Ivalidator* objValidator) override;
  HRESULT STDMETHODCALLTYPE Initialize(::Itier* objTier, ::Ivalidator* objValidator) override;
};

}  // namespace vx4820cal::com
