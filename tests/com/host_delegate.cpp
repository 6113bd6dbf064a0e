#include "host_delegate.h"

namespace comhost {
namespace {

HRESULT No(VARIANT_BOOL* out) {
  *out = VARIANT_FALSE;
  return S_OK;
}

}  // namespace

HRESULT DelegateOwner::BackwardsCompatibility(::Itier**, BSTR*, ::Iprovider**, BSTR*, ::Iprovider**,
                                              VARIANT_BOOL* out) {
  return No(out);
}
HRESULT DelegateOwner::PostAddProcessing(::Iprovider**, BSTR*, VARIANT_BOOL* out) { return No(out); }
HRESULT DelegateOwner::PostInsertProcessing(::Iprovider**, BSTR*, LONG*, VARIANT_BOOL* out) { return No(out); }
HRESULT DelegateOwner::GetComboItemsByUIID(::Iprovider**, BSTR*, LONG*, ::XArrayDBObject**, VARIANT_BOOL* out) {
  return No(out);
}
HRESULT DelegateOwner::TransformFromUI(::Iprovider**, BSTR, LONG*, VARIANT_BOOL* out) { return No(out); }
HRESULT DelegateOwner::TransformToUI(::Iprovider**, BSTR*, LONG*, VARIANT_BOOL* out) { return No(out); }
HRESULT DelegateOwner::PostDeleteProcessing(::Iprovider**, BSTR, LONG, VARIANT_BOOL* out) {
  *out = VARIANT_TRUE;
  return S_OK;
}

HRESULT DelegateOwner::GetFrequencyRanges(LONG* Band, LONG* RxMin, LONG* RxMax, LONG* TxMin, LONG* TxMax,
                                          BSTR* Divisor) {
  auto found = ranges.find(*Band);
  if (found == ranges.end())
    return RaiseHostError(5, L"LR2930 Cal", L"Band " + std::to_wstring(*Band) + L" is not known");
  *RxMin = found->second.rx_min;
  *RxMax = found->second.rx_max;
  *TxMin = found->second.tx_min;
  *TxMax = found->second.tx_max;
  SetText(Divisor, found->second.divisor);
  return S_OK;
}

// Appends the bands after whatever the list holds already.
HRESULT DelegateOwner::GetBands(::XArrayDBObject** items) {
  if (!*items) return RaiseHostError(91, L"LR2930 Cal", L"Object variable or With block variable not set");
  XArrayDBObject* list = *items;
  LONG columns = 0, rows = 0, count = static_cast<LONG>(bands.size());
  list->UpperBound(2, &columns);
  LONG first = 0;
  if (columns < 0) {
    list->ReDim(0, count - 1, 0, 0);
  } else {
    list->UpperBound(1, &rows);
    first = rows + 1;
    list->Insert(first, count);
  }
  for (LONG i = 0; i < count; ++i) {
    VARIANT text;
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = NewText(bands[static_cast<size_t>(i)]);
    HRESULT hr = list->put_Value(first + i, 0, text);
    VariantClear(&text);
    if (FAILED(hr)) return hr;
  }
  return S_OK;
}

HRESULT DelegateOwner::GetBandDesc(::Iprovider**, BSTR* out) {
  *out = NewText(L"");
  return S_OK;
}

HRESULT DelegateValidator::FormValidationByFormName(BSTR*, VARIANT_BOOL, VARIANT_BOOL* out) {
  ++form_checks;
  bool answer = true;
  if (!form_answers.empty()) {
    answer = form_answers.front();
    form_answers.pop_front();
  }
  *out = answer ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT DelegateValidator::get_Validator(::Ivalidator** out) {
  *out = nullptr;
  return S_OK;
}

DelegateTier::DelegateTier() : owner(Make<DelegateOwner>()), validator(Make<DelegateValidator>()) {}

HRESULT DelegateTier::Activate(VARIANT_BOOL* out) {
  *out = VARIANT_TRUE;
  return S_OK;
}
HRESULT DelegateTier::get_CurrentProvInfo(::IprovInfo** out) {
  *out = nullptr;
  return S_OK;
}
HRESULT DelegateTier::get_CurrentProvider(::Iprovider** out) {
  *out = nullptr;
  return S_OK;
}
HRESULT DelegateTier::get_ProviderOwner(::IproviderOwner** out) {
  *out = owner.give();
  return S_OK;
}
HRESULT DelegateTier::get_Schema(::ItierSchema** out) {
  *out = nullptr;
  return S_OK;
}
HRESULT DelegateTier::get_Terminator(::Iterminator** out) {
  *out = nullptr;
  return S_OK;
}
HRESULT DelegateTier::get_UserInterface(::ItierUserInterface** out) {
  *out = nullptr;
  return S_OK;
}
HRESULT DelegateTier::get_Validator(::ItierValidator** out) {
  *out = validator.give();
  return S_OK;
}
HRESULT DelegateTier::Initialize(BSTR, ::Ivalidator*, ::Imessenger*, VARIANT, VARIANT_BOOL* out) {
  *out = VARIANT_TRUE;
  return S_OK;
}
HRESULT DelegateTier::get_TierKey(BSTR* out) {
  *out = NewText(L"LR2930 Cal");
  return S_OK;
}
HRESULT DelegateTier::get_TierName(BSTR* out) {
  *out = NewText(L"LR2930 Cal");
  return S_OK;
}
HRESULT DelegateTier::get_Messenger(::Imessenger** out) {
  *out = messenger.give();
  return S_OK;
}

// The tier served is not kept: holding it would tie the host's objects to the component's.
HRESULT DelegateTier::InitializeAsDelegate(::Itier*, ::Ivalidator*) {
  ++delegate_initialisations;
  return S_OK;
}

HRESULT DelegateTier::putref_CalParameters(::IcalParameters* store) {
  cal_parameters = Ref<::IcalParameters>::Share(store);
  ++cal_parameters_given;
  return S_OK;
}

}  // namespace comhost
