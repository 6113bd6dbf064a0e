#pragma once
// The host's calibration tier "LR2930 Cal", the delegate of the component's tier:
// its provider owner answers the bands and frequency ranges, its validator the form
// checks, and it keeps the parameter store the component hands it.
#include <deque>
#include <map>
#include <vector>

#include "host_object.h"

namespace comhost {

struct Ranges {
  LONG rx_min = 0, rx_max = 0, tx_min = 0, tx_max = 0;
  std::wstring divisor;
  bool operator==(const Ranges&) const = default;
};

class DelegateOwner final : public HostObject<IproviderOwner> {
 public:
  std::vector<std::wstring> bands;
  std::map<LONG, Ranges> ranges;

  HRESULT STDMETHODCALLTYPE BackwardsCompatibility(::Itier**, BSTR*, ::Iprovider**, BSTR*, ::Iprovider**,
                                                   VARIANT_BOOL* out) override;
  HRESULT STDMETHODCALLTYPE PostReadProcessing(::Iprovider**, BSTR*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE PreWriteProcessing(::Iprovider**, BSTR*, LONG*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE PostAddProcessing(::Iprovider**, BSTR*, VARIANT_BOOL* out) override;
  HRESULT STDMETHODCALLTYPE PostInsertProcessing(::Iprovider**, BSTR*, LONG*, VARIANT_BOOL* out) override;
  HRESULT STDMETHODCALLTYPE GetComboItemsByUIID(::Iprovider**, BSTR*, LONG*, ::XArrayDBObject**,
                                                VARIANT_BOOL* out) override;
  HRESULT STDMETHODCALLTYPE TransformFromUI(::Iprovider**, BSTR, LONG*, VARIANT_BOOL* out) override;
  HRESULT STDMETHODCALLTYPE TransformToUI(::Iprovider**, BSTR*, LONG*, VARIANT_BOOL* out) override;
  HRESULT STDMETHODCALLTYPE GetFrequencyRanges(LONG* Band, LONG* RxMin, LONG* RxMax, LONG* TxMin, LONG* TxMax,
                                               BSTR* Divisor) override;
  HRESULT STDMETHODCALLTYPE GetBands(::XArrayDBObject** items) override;
  HRESULT STDMETHODCALLTYPE GetBandDesc(::Iprovider**, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE Initialize(::Itier*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetCurrentFrequencyRanges(LONG*, LONG*, LONG*, LONG*, BSTR*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE PostDeleteProcessing(::Iprovider**, BSTR, LONG, VARIANT_BOOL* out) override;
};

class DelegateValidator final : public HostObject<ItierValidator> {
 public:
  // Answers of the form checks, in order; True once they run out.
  std::deque<bool> form_answers;
  int form_checks = 0;

  HRESULT STDMETHODCALLTYPE AddRecord(LONG*, LONG*, VARIANT_BOOL* out) override { return Yes(out); }
  HRESULT STDMETHODCALLTYPE DeleteRecord(LONG*, LONG*, VARIANT_BOOL* out) override { return Yes(out); }
  HRESULT STDMETHODCALLTYPE ExecuteByTriggerID(BSTR*, VARIANT_BOOL* out) override { return Yes(out); }
  HRESULT STDMETHODCALLTYPE FormValidationByFormName(BSTR*, VARIANT_BOOL, VARIANT_BOOL* out) override;
  HRESULT STDMETHODCALLTYPE GetEnabledStatebyUIID(BSTR*, LONG*, VARIANT_BOOL* out) override { return Yes(out); }
  HRESULT STDMETHODCALLTYPE PermissionToOpenFormByFormName(BSTR*, VARIANT_BOOL* out) override { return Yes(out); }
  HRESULT STDMETHODCALLTYPE RunPreProgramValidation(VARIANT_BOOL* out) override { return Yes(out); }
  HRESULT STDMETHODCALLTYPE RunFinalValidation(VARIANT_BOOL* out) override { return Yes(out); }
  HRESULT STDMETHODCALLTYPE ValidateByUIID(BSTR*, VARIANT*, LONG*, VARIANT_BOOL* out) override { return Yes(out); }
  HRESULT STDMETHODCALLTYPE ExitFocusByUIID(BSTR*, VARIANT*, LONG*, VARIANT_BOOL* out) override { return Yes(out); }
  HRESULT STDMETHODCALLTYPE EnterFocusByUIID(BSTR, VARIANT*, LONG*, VARIANT_BOOL* out) override { return Yes(out); }
  HRESULT STDMETHODCALLTYPE get_Validator(::Ivalidator** out) override;
  HRESULT STDMETHODCALLTYPE putref_Validator(::Ivalidator*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Initialize(::Itier*, ::Ivalidator*) override { return S_OK; }

 private:
  static HRESULT Yes(VARIANT_BOOL* out) {
    *out = VARIANT_TRUE;
    return S_OK;
  }
};

class DelegateTier final : public HostObject<Itier, IcalParamOwner> {
 public:
  DelegateTier();
  Ref<DelegateOwner> owner;
  Ref<DelegateValidator> validator;
  // The parameter store the component handed over last, and how often.
  Ref<::IcalParameters> cal_parameters;
  int cal_parameters_given = 0;
  int delegate_initialisations = 0;
  // What its Messenger answers (none in a session: the messenger holds the delegate).
  Ref<::Imessenger> messenger;

  HRESULT STDMETHODCALLTYPE Activate(VARIANT_BOOL* out) override;
  HRESULT STDMETHODCALLTYPE get_CurrentProvInfo(::IprovInfo** out) override;
  HRESULT STDMETHODCALLTYPE get_CurrentProvider(::Iprovider** out) override;
  HRESULT STDMETHODCALLTYPE get_ProviderOwner(::IproviderOwner** out) override;
  HRESULT STDMETHODCALLTYPE get_Schema(::ItierSchema** out) override;
  HRESULT STDMETHODCALLTYPE get_Terminator(::Iterminator** out) override;
  HRESULT STDMETHODCALLTYPE get_UserInterface(::ItierUserInterface** out) override;
  HRESULT STDMETHODCALLTYPE get_Validator(::ItierValidator** out) override;
  HRESULT STDMETHODCALLTYPE Initialize(BSTR, ::Ivalidator*, ::Imessenger*, VARIANT, VARIANT_BOOL* out) override;
  HRESULT STDMETHODCALLTYPE Terminate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_TierKey(BSTR* out) override;
  HRESULT STDMETHODCALLTYPE put_TierKey(BSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE put_TierName(BSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE get_TierName(BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_Messenger(::Imessenger** out) override;
  HRESULT STDMETHODCALLTYPE InitializeAsDelegate(::Itier*, ::Ivalidator*) override;
  HRESULT STDMETHODCALLTYPE putref_CalParameters(::IcalParameters* store) override;
};

}  // namespace comhost
