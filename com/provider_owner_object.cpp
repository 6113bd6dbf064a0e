#include "com/provider_owner_object.h"

#include "com/by_reference.h"

namespace vx4820cal::com {
namespace {

using ProviderRef = ObjectInOut<vx4820cal::Iprovider, ::Iprovider>;
using Long = NumberInOut<int32_t, LONG>;

}  // namespace

HRESULT ProviderOwnerObject::BackwardsCompatibility(::Itier** objTier, BSTR* SourceKey, ::Iprovider** SourceProvider,
                                                    BSTR* DestKey, ::Iprovider** DestProvider, VARIANT_BOOL* Done) {
  return AnswerBool(Done, [&] {
    ObjectInOut<vx4820cal::Itier, ::Itier> tier(objTier);
    TextInOut source_key(SourceKey), dest_key(DestKey);
    ProviderRef source(SourceProvider), dest(DestProvider);
    return core().BackwardsCompatibility(tier.value, source_key.value, source.value, dest_key.value, dest.value);
  });
}

HRESULT ProviderOwnerObject::PostReadProcessing(::Iprovider** Provider, BSTR* TierName) {
  return Run([&] {
    ProviderRef provider(Provider);
    TextInOut tier_name(TierName);
    core().PostReadProcessing(provider.value, tier_name.value);
  });
}

HRESULT ProviderOwnerObject::PreWriteProcessing(::Iprovider** Provider, BSTR* TierName, LONG* TotalProviders) {
  return Run([&] {
    ProviderRef provider(Provider);
    TextInOut tier_name(TierName);
    Long total(TotalProviders);
    core().PreWriteProcessing(provider.value, tier_name.value, total.value);
  });
}

HRESULT ProviderOwnerObject::PostAddProcessing(::Iprovider** Provider, BSTR* GridID, VARIANT_BOOL* Done) {
  return AnswerBool(Done, [&] {
    ProviderRef provider(Provider);
    TextInOut grid(GridID);
    return core().PostAddProcessing(provider.value, grid.value);
  });
}

HRESULT ProviderOwnerObject::PostInsertProcessing(::Iprovider** Provider, BSTR* GridID, LONG* RecordNr,
                                                  VARIANT_BOOL* Done) {
  return AnswerBool(Done, [&] {
    ProviderRef provider(Provider);
    TextInOut grid(GridID);
    Long record(RecordNr);
    return core().PostInsertProcessing(provider.value, grid.value, record.value);
  });
}

HRESULT ProviderOwnerObject::GetComboItemsByUIID(::Iprovider** Provider, BSTR* UIID, LONG* RecordNr,
                                                 ::XArrayDBObject** xComboItems, VARIANT_BOOL* Done) {
  return AnswerBool(Done, [&] {
    ProviderRef provider(Provider);
    TextInOut uiid(UIID);
    Long record(RecordNr);
    ObjectInOut<vx4820cal::XArrayDBObject, ::XArrayDBObject> items(xComboItems);
    return core().GetComboItemsByUIID(provider.value, uiid.value, record.value, items.value);
  });
}

HRESULT ProviderOwnerObject::TransformFromUI(::Iprovider** Provider, BSTR DerivedFieldID, LONG* RecordNr,
                                             VARIANT_BOOL* Done) {
  return AnswerBool(Done, [&] {
    ProviderRef provider(Provider);
    Long record(RecordNr);
    return core().TransformFromUI(provider.value, Utf8FromBstr(DerivedFieldID), record.value);
  });
}

HRESULT ProviderOwnerObject::TransformToUI(::Iprovider** Provider, BSTR* DerivedFieldID, LONG* RecordNr,
                                           VARIANT_BOOL* Done) {
  return AnswerBool(Done, [&] {
    ProviderRef provider(Provider);
    TextInOut field(DerivedFieldID);
    Long record(RecordNr);
    return core().TransformToUI(provider.value, field.value, record.value);
  });
}

HRESULT ProviderOwnerObject::GetFrequencyRanges(LONG* Band, LONG* RxMin, LONG* RxMax, LONG* TxMin, LONG* TxMax,
                                                BSTR* Divisor) {
  return Run([&] {
    Long band(Band), rx_min(RxMin), rx_max(RxMax), tx_min(TxMin), tx_max(TxMax);
    TextInOut divisor(Divisor);
    core().GetFrequencyRanges(band.value, rx_min.value, rx_max.value, tx_min.value, tx_max.value, divisor.value);
  });
}

HRESULT ProviderOwnerObject::GetBands(::XArrayDBObject** xComboItems) {
  return Run([&] {
    ObjectInOut<vx4820cal::XArrayDBObject, ::XArrayDBObject> items(xComboItems);
    core().GetBands(items.value);
  });
}

HRESULT ProviderOwnerObject::GetBandDesc(::Iprovider** objProvider, BSTR* BandDesc) {
  *BandDesc = nullptr;
  return Run([&] {
    ProviderRef provider(objProvider);
    *BandDesc = BstrFromUtf8(core().GetBandDesc(provider.value));
  });
}

HRESULT ProviderOwnerObject::Initialize(::Itier* objTier) {
  return Run([&] { core().Initialize(CoreAs<vx4820cal::Itier>(objTier)); });
}

HRESULT ProviderOwnerObject::GetCurrentFrequencyRanges(LONG* RxMin, LONG* RxMax, LONG* TxMin, LONG* TxMax,
                                                       BSTR* Divisor) {
  return Run([&] {
    Long rx_min(RxMin), rx_max(RxMax), tx_min(TxMin), tx_max(TxMax);
    TextInOut divisor(Divisor);
    core().GetCurrentFrequencyRanges(rx_min.value, rx_max.value, tx_min.value, tx_max.value, divisor.value);
  });
}

HRESULT ProviderOwnerObject::PostDeleteProcessing(::Iprovider** objProvider, BSTR strUIID, LONG lngDeletedRecordNr,
                                                  VARIANT_BOOL* Done) {
  return AnswerBool(Done, [&] {
    ProviderRef provider(objProvider);
    return core().PostDeleteProcessing(provider.value, Utf8FromBstr(strUIID), lngDeletedRecordNr);
  });
}

}  // namespace vx4820cal::com
