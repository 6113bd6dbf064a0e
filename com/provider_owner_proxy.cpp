#include "com/provider_owner_proxy.h"

#include "com/host_arguments.h"

namespace vx4820cal::com {
namespace {

using ProviderArg = ObjectArg<vx4820cal::Iprovider, ::Iprovider>;
using ItemsArg = ObjectArg<vx4820cal::XArrayDBObject, ::XArrayDBObject>;

}  // namespace

bool ProviderOwnerProxy::BackwardsCompatibility(Tier& objTier, std::string& SourceKey, Provider& SourceProvider,
                                                std::string& DestKey, Provider& DestProvider) {
  ObjectArg<vx4820cal::Itier, ::Itier> tier(objTier);
  TextArg source_key(SourceKey), dest_key(DestKey);
  ProviderArg source(SourceProvider), dest(DestProvider);
  return BoolResult([&](VARIANT_BOOL* out) {
    return host()->BackwardsCompatibility(tier.Place(), source_key.Place(), source.Place(), dest_key.Place(),
                                          dest.Place(), out);
  });
}

void ProviderOwnerProxy::PostReadProcessing(Provider& Provider, std::string& TierName) {
  ProviderArg provider(Provider);
  TextArg tier_name(TierName);
  Check(host()->PostReadProcessing(provider.Place(), tier_name.Place()));
}

void ProviderOwnerProxy::PreWriteProcessing(Provider& Provider, std::string& TierName, int32_t& TotalProviders) {
  ProviderArg provider(Provider);
  TextArg tier_name(TierName);
  LongArg total(TotalProviders);
  Check(host()->PreWriteProcessing(provider.Place(), tier_name.Place(), total.Place()));
}

bool ProviderOwnerProxy::PostAddProcessing(Provider& Provider, std::string& GridID) {
  ProviderArg provider(Provider);
  TextArg grid(GridID);
  return BoolResult([&](VARIANT_BOOL* out) { return host()->PostAddProcessing(provider.Place(), grid.Place(), out); });
}

bool ProviderOwnerProxy::PostInsertProcessing(Provider& Provider, std::string& GridID, int32_t& RecordNr) {
  ProviderArg provider(Provider);
  TextArg grid(GridID);
  LongArg record(RecordNr);
  return BoolResult([&](VARIANT_BOOL* out) {
    return host()->PostInsertProcessing(provider.Place(), grid.Place(), record.Place(), out);
  });
}

bool ProviderOwnerProxy::GetComboItemsByUIID(Provider& Provider, std::string& UIID, int32_t& RecordNr,
                                             Items& xComboItems) {
  ProviderArg provider(Provider);
  TextArg uiid(UIID);
  LongArg record(RecordNr);
  ItemsArg items(xComboItems);
  return BoolResult([&](VARIANT_BOOL* out) {
    return host()->GetComboItemsByUIID(provider.Place(), uiid.Place(), record.Place(), items.Place(), out);
  });
}

bool ProviderOwnerProxy::TransformFromUI(Provider& Provider, std::string DerivedFieldID, int32_t& RecordNr) {
  ProviderArg provider(Provider);
  Bstr field(DerivedFieldID);
  LongArg record(RecordNr);
  return BoolResult(
      [&](VARIANT_BOOL* out) { return host()->TransformFromUI(provider.Place(), field.Get(), record.Place(), out); });
}

bool ProviderOwnerProxy::TransformToUI(Provider& Provider, std::string& DerivedFieldID, int32_t& RecordNr) {
  ProviderArg provider(Provider);
  TextArg field(DerivedFieldID);
  LongArg record(RecordNr);
  return BoolResult(
      [&](VARIANT_BOOL* out) { return host()->TransformToUI(provider.Place(), field.Place(), record.Place(), out); });
}

void ProviderOwnerProxy::GetFrequencyRanges(int32_t& Band, int32_t& RxMin, int32_t& RxMax, int32_t& TxMin,
                                            int32_t& TxMax, std::string& Divisor) {
  LongArg band(Band), rx_min(RxMin), rx_max(RxMax), tx_min(TxMin), tx_max(TxMax);
  TextArg divisor(Divisor);
  Check(host()->GetFrequencyRanges(band.Place(), rx_min.Place(), rx_max.Place(), tx_min.Place(), tx_max.Place(),
                                   divisor.Place()));
}

void ProviderOwnerProxy::GetBands(Items& xComboItems) {
  ItemsArg items(xComboItems);
  Check(host()->GetBands(items.Place()));
}

std::string ProviderOwnerProxy::GetBandDesc(Provider& objProvider) {
  ProviderArg provider(objProvider);
  return TextResult([&](BSTR* out) { return host()->GetBandDesc(provider.Place(), out); });
}

void ProviderOwnerProxy::Initialize(Tier objTier) { Check(host()->Initialize(ComAs<::Itier>(objTier).Get())); }

void ProviderOwnerProxy::GetCurrentFrequencyRanges(int32_t& RxMin, int32_t& RxMax, int32_t& TxMin, int32_t& TxMax,
                                                   std::string& Divisor) {
  LongArg rx_min(RxMin), rx_max(RxMax), tx_min(TxMin), tx_max(TxMax);
  TextArg divisor(Divisor);
  Check(host()->GetCurrentFrequencyRanges(rx_min.Place(), rx_max.Place(), tx_min.Place(), tx_max.Place(),
                                          divisor.Place()));
}

bool ProviderOwnerProxy::PostDeleteProcessing(Provider& objProvider, std::string strUIID, int32_t lngDeletedRecordNr) {
  ProviderArg provider(objProvider);
  Bstr uiid(strUIID);
  return BoolResult([&](VARIANT_BOOL* out) {
    return host()->PostDeleteProcessing(provider.Place(), uiid.Get(), lngDeletedRecordNr, out);
  });
}

}  // namespace vx4820cal::com
