#pragma once
// The provider owner as a COM object (IproviderOwner).
#include "com/dispatch_object.h"
#include "vx4820cal/interfaces.h"

namespace vx4820cal::com {

using ProviderOwnerBase = DispatchObject<vx4820cal::IproviderOwner, ::IproviderOwner>;

class ProviderOwnerObject final : public ProviderOwnerBase {
 public:
  using ProviderOwnerBase::ProviderOwnerBase;

  HRESULT STDMETHODCALLTYPE BackwardsCompatibility(::Itier** objTier, BSTR* SourceKey, ::Iprovider** SourceProvider,
                                                   BSTR* DestKey, ::Iprovider** DestProvider,
                                                   VARIANT_BOOL* Done) override;
  HRESULT STDMETHODCALLTYPE PostReadProcessing(::Iprovider** Provider, BSTR* TierName) override;
  HRESULT STDMETHODCALLTYPE PreWriteProcessing(::Iprovider** Provider, BSTR* TierName, LONG* TotalProviders) override;
  HRESULT STDMETHODCALLTYPE PostAddProcessing(::Iprovider** Provider, BSTR* GridID, VARIANT_BOOL* Done) override;
  HRESULT STDMETHODCALLTYPE PostInsertProcessing(::Iprovider** Provider, BSTR* GridID, LONG* RecordNr,
                                                 VARIANT_BOOL* Done) override;
  HRESULT STDMETHODCALLTYPE GetComboItemsByUIID(::Iprovider** Provider, BSTR* UIID, LONG* RecordNr,
                                                ::XArrayDBObject** xComboItems, VARIANT_BOOL* Done) override;
  HRESULT STDMETHODCALLTYPE TransformFromUI(::Iprovider** Provider, BSTR DerivedFieldID, LONG* RecordNr,
                                            VARIANT_BOOL* Done) override;
  HRESULT STDMETHODCALLTYPE TransformToUI(::Iprovider** Provider, BSTR* DerivedFieldID, LONG* RecordNr,
                                          VARIANT_BOOL* Done) override;
  HRESULT STDMETHODCALLTYPE GetFrequencyRanges(LONG* Band, LONG* RxMin, LONG* RxMax, LONG* TxMin, LONG* TxMax,
                                               BSTR* Divisor) override;
  HRESULT STDMETHODCALLTYPE GetBands(::XArrayDBObject** xComboItems) override;
  HRESULT STDMETHODCALLTYPE GetBandDesc(::Iprovider** objProvider, BSTR* BandDesc) override;
  HRESULT STDMETHODCALLTYPE Initialize(::Itier* objTier) override;
  HRESULT STDMETHODCALLTYPE GetCurrentFrequencyRanges(LONG* RxMin, LONG* RxMax, LONG* TxMin, LONG* TxMax,
                                                      BSTR* Divisor) override;
  HRESULT STDMETHODCALLTYPE PostDeleteProcessing(::Iprovider** objProvider, BSTR strUIID, LONG lngDeletedRecordNr,
                                                 VARIANT_BOOL* Done) override;
};

}  // namespace vx4820cal::com
