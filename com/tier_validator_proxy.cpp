#include "com/tier_validator_proxy.h"

#include "com/host_arguments.h"

namespace vx4820cal::com {

bool TierValidatorProxy::AddRecord(int32_t& lngItemNr, int32_t& lngRecordCount) {
  LongArg item(lngItemNr), count(lngRecordCount);
  return BoolResult([&](VARIANT_BOOL* out) { return host()->AddRecord(item.Place(), count.Place(), out); });
}

bool TierValidatorProxy::DeleteRecord(int32_t& lngItemNr, int32_t& lngRecordNr) {
  LongArg item(lngItemNr), record(lngRecordNr);
  return BoolResult([&](VARIANT_BOOL* out) { return host()->DeleteRecord(item.Place(), record.Place(), out); });
}

bool TierValidatorProxy::ExecuteByTriggerID(std::string& strTriggerID) {
  TextArg trigger(strTriggerID);
  return BoolResult([&](VARIANT_BOOL* out) { return host()->ExecuteByTriggerID(trigger.Place(), out); });
}

bool TierValidatorProxy::FormValidationByFormName(std::string& strFormName, bool blnClosingForm) {
  TextArg form(strFormName);
  VARIANT_BOOL closing = blnClosingForm ? VARIANT_TRUE : VARIANT_FALSE;
  return BoolResult([&](VARIANT_BOOL* out) { return host()->FormValidationByFormName(form.Place(), closing, out); });
}

bool TierValidatorProxy::GetEnabledStatebyUIID(std::string& strUIID, int32_t& lngRecordNr) {
  TextArg uiid(strUIID);
  LongArg record(lngRecordNr);
  return BoolResult(
      [&](VARIANT_BOOL* out) { return host()->GetEnabledStatebyUIID(uiid.Place(), record.Place(), out); });
}

bool TierValidatorProxy::PermissionToOpenFormByFormName(std::string& strFormName) {
  TextArg form(strFormName);
  return BoolResult([&](VARIANT_BOOL* out) { return host()->PermissionToOpenFormByFormName(form.Place(), out); });
}

bool TierValidatorProxy::RunPreProgramValidation() {
  return BoolResult([&](VARIANT_BOOL* out) { return host()->RunPreProgramValidation(out); });
}

bool TierValidatorProxy::RunFinalValidation() {
  return BoolResult([&](VARIANT_BOOL* out) { return host()->RunFinalValidation(out); });
}

bool TierValidatorProxy::ValidateByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) {
  TextArg uiid(strUIID);
  VariantArg value(vntValue);
  LongArg record(lngRecordNr);
  return BoolResult(
      [&](VARIANT_BOOL* out) { return host()->ValidateByUIID(uiid.Place(), value.Place(), record.Place(), out); });
}

bool TierValidatorProxy::ExitFocusByUIID(std::string& strUIID, Variant& vntValue, int32_t& lngRecordNr) {
  TextArg uiid(strUIID);
  VariantArg value(vntValue);
  LongArg record(lngRecordNr);
  return BoolResult(
      [&](VARIANT_BOOL* out) { return host()->ExitFocusByUIID(uiid.Place(), value.Place(), record.Place(), out); });
}

bool TierValidatorProxy::EnterFocusByUIID(std::string UIID, Variant& Value, int32_t& RecordNr) {
  Bstr uiid(UIID);
  VariantArg value(Value);
  LongArg record(RecordNr);
  return BoolResult(
      [&](VARIANT_BOOL* out) { return host()->EnterFocusByUIID(uiid.Get(), value.Place(), record.Place(), out); });
}

std::shared_ptr<vx4820cal::Ivalidator> TierValidatorProxy::Validator() {
  return ObjectResult<vx4820cal::Ivalidator, ::Ivalidator>(
      [&](::Ivalidator** out) { return host()->get_Validator(out); });
}

void TierValidatorProxy::Validator(std::shared_ptr<vx4820cal::Ivalidator> objValidator) {
  Check(host()->putref_Validator(ComAs<::Ivalidator>(objValidator).Get()));
}

void TierValidatorProxy::Initialize(std::shared_ptr<vx4820cal::Itier> objTier,
                                    std::shared_ptr<vx4820cal::Ivalidator> objValidator) {
  Check(host()->Initialize(ComAs<::Itier>(objTier).Get(), ComAs<::Ivalidator>(objValidator).Get()));
}

}  // namespace vx4820cal::com
