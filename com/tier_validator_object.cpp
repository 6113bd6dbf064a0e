#include "com/tier_validator_object.h"

#include "com/by_reference.h"

namespace vx4820cal::com {
namespace {

using Long = NumberInOut<int32_t, LONG>;

}  // namespace

HRESULT TierValidatorObject::AddRecord(LONG* lngItemNr, LONG* lngRecordCount, VARIANT_BOOL* Allowed) {
  return AnswerBool(Allowed, [&] {
    Long item(lngItemNr), count(lngRecordCount);
    return core().AddRecord(item.value, count.value);
  });
}

HRESULT TierValidatorObject::DeleteRecord(LONG* lngItemNr, LONG* lngRecordNr, VARIANT_BOOL* Allowed) {
  return AnswerBool(Allowed, [&] {
    Long item(lngItemNr), record(lngRecordNr);
    return core().DeleteRecord(item.value, record.value);
  });
}

HRESULT TierValidatorObject::ExecuteByTriggerID(BSTR* strTriggerID, VARIANT_BOOL* Done) {
  return AnswerBool(Done, [&] {
    TextInOut trigger(strTriggerID);
    return core().ExecuteByTriggerID(trigger.value);
  });
}

HRESULT TierValidatorObject::FormValidationByFormName(BSTR* strFormName, VARIANT_BOOL blnClosingForm,
                                                      VARIANT_BOOL* Valid) {
  return AnswerBool(Valid, [&] {
    TextInOut form(strFormName);
    return core().FormValidationByFormName(form.value, blnClosingForm != VARIANT_FALSE);
  });
}

HRESULT TierValidatorObject::GetEnabledStatebyUIID(BSTR* strUIID, LONG* lngRecordNr, VARIANT_BOOL* Enabled) {
  return AnswerBool(Enabled, [&] {
    TextInOut uiid(strUIID);
    LONG none = 0;
    Long record(lngRecordNr ? lngRecordNr : &none);
    return core().GetEnabledStatebyUIID(uiid.value, record.value);
  });
}

HRESULT TierValidatorObject::PermissionToOpenFormByFormName(BSTR* strFormName, VARIANT_BOOL* Allowed) {
  return AnswerBool(Allowed, [&] {
    TextInOut form(strFormName);
    return core().PermissionToOpenFormByFormName(form.value);
  });
}

HRESULT TierValidatorObject::RunPreProgramValidation(VARIANT_BOOL* Go) {
  return AnswerBool(Go, [&] { return core().RunPreProgramValidation(); });
}

HRESULT TierValidatorObject::RunFinalValidation(VARIANT_BOOL* Valid) {
  return AnswerBool(Valid, [&] { return core().RunFinalValidation(); });
}

HRESULT TierValidatorObject::ValidateByUIID(BSTR* strUIID, VARIANT* vntValue, LONG* lngRecordNr, VARIANT_BOOL* Valid) {
  return AnswerBool(Valid, [&] {
    TextInOut uiid(strUIID);
    VariantInOut value(vntValue);
    Long record(lngRecordNr);
    return core().ValidateByUIID(uiid.value, value.value, record.value);
  });
}

HRESULT TierValidatorObject::ExitFocusByUIID(BSTR* strUIID, VARIANT* vntValue, LONG* lngRecordNr, VARIANT_BOOL* Valid) {
  return AnswerBool(Valid, [&] {
    TextInOut uiid(strUIID);
    VariantInOut value(vntValue);
    Long record(lngRecordNr);
    return core().ExitFocusByUIID(uiid.value, value.value, record.value);
  });
}

HRESULT TierValidatorObject::EnterFocusByUIID(BSTR UIID, VARIANT* Value, LONG* RecordNr, VARIANT_BOOL* Valid) {
  return AnswerBool(Valid, [&] {
    VariantInOut value(Value);
    Long record(RecordNr);
    return core().EnterFocusByUIID(Utf8FromBstr(UIID), value.value, record.value);
  });
}

HRESULT TierValidatorObject::get_Validator(::Ivalidator** Validator) {
  *Validator = nullptr;
  return Run([&] { StoreOut(Validator, core().Validator()); });
}

HRESULT TierValidatorObject::putref_Validator(::Ivalidator* objValidator) {
  return Run([&] { core().Validator(CoreAs<vx4820cal::Ivalidator>(objValidator)); });
}

HRESULT TierValidatorObject::Initialize(::Itier* objTier, ::Ivalidator* objValidator) {
  return Run(
      [&] { core().Initialize(CoreAs<vx4820cal::Itier>(objTier), CoreAs<vx4820cal::Ivalidator>(objValidator)); });
}

}  // namespace vx4820cal::com
